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
    for (auto& [handle, window] : windows) {
        if (window.owner) owners.push_back(window.owner);
    }
    for (platform::Form* owner : owners) owner->Discard();
    for (auto& [block, size] : heapBlocks) std::free(const_cast<void*>(block));
    *this = Desktop{};
}

Window* Desktop::Find(platform::WindowHandle handle) {
    auto it = windows.find(handle);
    return it == windows.end() ? nullptr : &it->second;
}

void Desktop::Close(platform::WindowHandle handle) {
    if (Window* window = Find(handle); window && window->owner) window->owner->HandleCloseRequest();
}

platform::WindowHandle Desktop::AddForeignWindow(platform::PixelRect bounds, std::string className, std::string text) {
    platform::WindowHandle handle = NewHandle();
    Window& w = windows[handle];
    w.bounds = bounds;
    w.visible = true;
    w.className = std::move(className);
    w.text = std::move(text);
    return handle;
}

void Desktop::Tick() {
    std::vector<std::pair<platform::WindowHandle, int>> due;
    for (auto& [handle, window] : windows) {
        for (int id : window.timers) due.emplace_back(handle, id);
    }
    for (auto& [handle, id] : due) {
        // A tick may unload the form: later ticks of a gone window do not come.
        if (Window* w = Find(handle); w && w->owner) w->owner->HandleTimer(id);
    }
}

void Desktop::MouseUp(platform::WindowHandle handle, int button) {
    if (Window* w = Find(handle); w && w->owner) {
        w->owner->HandleMouseUp(static_cast<std::int16_t>(button), 0, 0.0f, 0.0f);
    }
}

void Desktop::MouseMove(platform::WindowHandle handle) {
    if (Window* w = Find(handle); w && w->owner) w->owner->HandleMouseMove(0, 0, 0.0f, 0.0f);
}

void Desktop::TrayCallback(int code) {
    if (shellCalls.empty()) return;
    auto box = pictureBoxes.find(shellCalls.back().data.hWnd);
    if (box != pictureBoxes.end()) box->second->HandleMouseMove(0, 0, static_cast<float>(code) * twipsPerPixelX, 0.0f);
}

void Desktop::RestartShell() {
    trayIconPresent = false;
    BroadcastTaskbarCreated();
}

void Desktop::BroadcastTaskbarCreated() {
    std::vector<platform::Form*> owners;
    for (auto& [handle, window] : windows) {
        if (window.owner) owners.push_back(window.owner);
    }
    for (platform::Form* owner : owners) owner->HandleTrayRebuilt();
}

void Desktop::EndSession() {
    std::vector<platform::Form*> owners;
    for (auto& [handle, window] : windows) {
        if (window.owner) owners.push_back(window.owner);
    }
    for (platform::Form* owner : owners) owner->HandleEndSession();
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
