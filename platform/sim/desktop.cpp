#include "platform/sim/desktop.h"

#include <cstdlib>
#include <vector>

namespace sim {

Desktop& desktop() {
    // Never destroyed: forms in static storage may still let go of their
    // windows while the process exits.
    static Desktop* instance = new Desktop;
    return *instance;
}

void Desktop::Reset() {
    // Forms still loaded from an earlier test lose their windows silently.
    std::vector<platform::Form*> owners;
    for (auto& [handle, window] : windows) owners.push_back(window.owner);
    for (platform::Form* owner : owners) owner->Discard();
    for (auto& [block, size] : heapBlocks) std::free(const_cast<void*>(block));
    *this = Desktop{};
}

Window* Desktop::Find(platform::WindowHandle handle) {
    auto it = windows.find(handle);
    return it == windows.end() ? nullptr : &it->second;
}

void Desktop::Close(platform::WindowHandle handle) {
    if (Window* window = Find(handle)) window->owner->OnCloseRequest();
}

void Desktop::EndSession() {
    std::vector<platform::Form*> owners;
    for (auto& [handle, window] : windows) owners.push_back(window.owner);
    for (platform::Form* owner : owners) owner->OnEndSession();
}

void* Desktop::NewHandle() {
    nextHandle_ += 4;
    return reinterpret_cast<void*>(nextHandle_);
}

Window* Desktop::FindByDc(void* dc) {
    for (auto& [handle, window] : windows) {
        if (window.dc == dc) return &window;
    }
    return nullptr;
}

int Desktop::LooseRegions() const {
    int owned = 0;
    for (const auto& [handle, window] : windows) owned += window.region != nullptr;
    return static_cast<int>(regions.size()) - owned;
}

std::string NativePath(const std::wstring& path) {
    std::string out;
    for (wchar_t c : path) {
        auto u = static_cast<std::uint32_t>(c);
        if (u == L'\\') u = '/';
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

}  // namespace sim
