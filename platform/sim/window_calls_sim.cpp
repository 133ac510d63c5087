// Window, key and path calls of the simulated desktop.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/sim/desktop.h"
#include "platform/win.h"

namespace win {
namespace {

constexpr int kExStyleIndex = -20;
constexpr std::int32_t kLayered = 0x80000;
const Handle kTopmost = reinterpret_cast<Handle>(static_cast<std::intptr_t>(-1));

sim::Window* WindowOf(Handle window) { return sim::desktop().Find(window); }

}  // namespace

std::int16_t GetKeyState(int virtualKey) {
    return sim::desktop().keysDown[virtualKey] ? static_cast<std::int16_t>(-128) : 0;
}

bool SetWindowPos(Handle window, Handle insertAfter, int, int, int, int, std::uint32_t flags) {
    sim::Window* w = WindowOf(window);
    if (!w) return false;
    if (insertAfter == kTopmost) w->topmost = true;
    sim::desktop().calls.push_back("SetWindowPos(" + std::string(insertAfter == kTopmost ? "TOPMOST" : "other") + ", " +
                                   std::to_string(flags) + ")");
    return true;
}

std::int32_t GetWindowLongA(Handle window, int index) {
    sim::Window* w = WindowOf(window);
    return (w && index == kExStyleIndex) ? w->exStyle : 0;
}

std::int32_t SetWindowLongA(Handle window, int index, std::int32_t value) {
    sim::Window* w = WindowOf(window);
    if (!w || index != kExStyleIndex) return 0;
    const std::int32_t old = w->exStyle;
    w->exStyle = value;
    if (!(value & kLayered)) w->alpha = -1;  // a window that stops being layered is opaque again
    ++w->exStyleWrites;
    sim::desktop().calls.push_back("SetWindowLongA");
    return old;
}

bool SetLayeredWindowAttributes(Handle window, std::uint32_t, std::uint8_t alpha, std::uint32_t) {
    sim::Window* w = WindowOf(window);
    if (!w || !(w->exStyle & kLayered)) return false;
    w->alpha = alpha;
    sim::desktop().calls.push_back("SetLayeredWindowAttributes(" + std::to_string(alpha) + ")");
    return true;
}

bool RedrawWindow(Handle window, const Rect*, Handle, std::uint32_t) { return WindowOf(window) != nullptr; }

bool SetForegroundWindow(Handle window) {
    ++sim::desktop().foregroundRequests;
    sim::desktop().calls.push_back("SetForegroundWindow");
    return WindowOf(window) != nullptr;
}

int SetWindowRgn(Handle window, Handle region, bool) {
    sim::Desktop& d = sim::desktop();
    sim::Window* w = WindowOf(window);
    if (!w) return 0;
    if (w->region && w->region != region) d.regions.erase(w->region);
    w->region = region;
    d.calls.push_back("SetWindowRgn");
    return 1;
}

bool BeginPath(Handle dc) {
    if (!sim::desktop().FindByDc(dc)) return false;
    sim::desktop().paths[dc] = sim::Path{true, {}};
    return true;
}

bool TextOutW(Handle dc, int x, int y, const wchar_t* text, int length) {
    sim::Desktop& d = sim::desktop();
    sim::Window* w = d.FindByDc(dc);
    if (!w) return false;
    auto path = d.paths.find(dc);
    if (path != d.paths.end() && path->second.open) {
        path->second.outlines.push_back({std::wstring(text, static_cast<std::size_t>(length)), w->font, x, y});
    }
    return true;
}

bool EndPath(Handle dc) {
    auto& paths = sim::desktop().paths;
    auto path = paths.find(dc);
    if (path == paths.end() || !path->second.open) return false;
    path->second.open = false;
    return true;
}

Handle PathToRegion(Handle dc) {
    sim::Desktop& d = sim::desktop();
    auto path = d.paths.find(dc);
    if (path == d.paths.end() || path->second.open || path->second.outlines.empty()) return nullptr;
    Handle region = d.NewHandle();
    d.regions[region] = path->second.outlines.front();
    d.paths.erase(path);  // the path is used up
    return region;
}

}  // namespace win

namespace win {
namespace {

int CopyCut(const std::string& text, char* buffer, int size) {
    if (size <= 0) return 0;
    const int n = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

constexpr std::uint32_t WM_GETTEXT = 0x000D;
constexpr std::uint32_t WM_GETTEXTLENGTH = 0x000E;
constexpr std::uint32_t WM_NCLBUTTONDOWN = 0x00A1;

}  // namespace

Handle WindowFromPoint(Point point) {
    for (auto& [handle, w] : sim::desktop().windows) {
        const auto& b = w.bounds;
        if (w.visible && point.x >= b.x && point.x < b.x + b.width && point.y >= b.y && point.y < b.y + b.height) {
            return handle;
        }
    }
    return nullptr;
}

bool IsWindow(Handle window) { return sim::desktop().Find(window) != nullptr; }

int GetClassNameA(Handle window, char* buffer, int size) {
    sim::Window* w = sim::desktop().Find(window);
    return w ? CopyCut(w->className, buffer, size) : 0;
}

int GetWindowTextA(Handle window, char* buffer, int size) {
    sim::Window* w = sim::desktop().Find(window);
    return w ? CopyCut(w->text, buffer, size) : 0;
}

std::intptr_t SendMessageA(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    sim::Desktop& d = sim::desktop();
    sim::Window* w = d.Find(window);
    if (!w) return 0;
    d.calls.push_back("SendMessageA(" + std::to_string(message) + ")");
    switch (message) {
        case WM_GETTEXTLENGTH:
            return static_cast<std::intptr_t>(w->text.size());
        case WM_GETTEXT:
            return CopyCut(w->text, reinterpret_cast<char*>(lParam), static_cast<int>(wParam));
        case WM_NCLBUTTONDOWN:
            return 0;
        default:
            return 0;
    }
}

bool ReleaseCapture() {
    sim::desktop().calls.push_back("ReleaseCapture");
    return true;
}

}  // namespace win

namespace win {

bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconDataV1& data) {
    sim::Desktop& d = sim::desktop();
    d.shellCalls.push_back({message, data});
    switch (message) {
        case 0:  // NIM_ADD: refused while the icon is there
            if (d.trayIconPresent) return false;
            d.trayIconPresent = true;
            return true;
        case 1:  // NIM_MODIFY
            return d.trayIconPresent;
        case 2:  // NIM_DELETE
            if (!d.trayIconPresent) return false;
            d.trayIconPresent = false;
            return true;
        default:
            return false;
    }
}

}  // namespace win
