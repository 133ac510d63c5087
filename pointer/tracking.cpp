// Following the cursor and the two hot keys, polled on the 10 ms tick, and
// showing and hiding the marker.
#include <dwmapi.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "pointer/dpi.h"
#include "pointer/geometry.h"
#include "pointer/marker_window.h"

namespace {

// The mouse among the HID devices.
constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kMouseUsage = 0x02;

// Windows 8 and later hide a window by cloaking it (another virtual desktop, a
// suspended app) and leave it visible to IsWindowVisible.
bool Cloaked(HWND window) {
    using Query = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
    static const auto query = [] {
        const HMODULE dwm = ::LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return dwm ? reinterpret_cast<Query>(reinterpret_cast<void*>(::GetProcAddress(dwm, "DwmGetWindowAttribute")))
                   : nullptr;
    }();
    DWORD cloaked = 0;
    return query && SUCCEEDED(query(window, DWMWA_CLOAKED, &cloaked, sizeof cloaked)) && cloaked != 0;
}

// How many shown windows above the marker one tick looks at, and how many
// windows at all it walks past: the z-order may change while it is walked (a
// window moved may be met twice, or again and again), and most ticks find
// none. Hidden windows (a program's tooltips before they show) pile up above
// the marker while nothing raises it, and are passed over cheaply.
constexpr int kMostLooked = 64;
constexpr int kMostPassed = 4096;

bool Overlaps(HWND window, const RECT& bounds) {
    RECT place{}, common{};
    return ::GetWindowRect(window, &place) && ::IntersectRect(&common, &place, &bounds);
}

// What the rule needs of a shown window over the marker's place, asked only
// of such a window.
WindowAbove Described(HWND window) {
    std::array<wchar_t, 64> name{};
    ::GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return {reinterpret_cast<std::uintptr_t>(window), name.data(), ::GetWindowThreadProcessId(window, nullptr),
            reinterpret_cast<std::uintptr_t>(::GetAncestor(window, GA_ROOTOWNER)), Cloaked(window)};
}

// The shown windows above the marker that overlap it, nearest first: none
// while it is on top. Walked up from the marker, which sees only the few
// above it, not every window on the desktop.
std::vector<WindowAbove> WindowsAbove(HWND marker, const RECT& bounds) {
    std::vector<WindowAbove> above;
    HWND window = ::GetWindow(marker, GW_HWNDPREV);
    for (int looked = 0, passed = 0; window && looked < kMostLooked && passed < kMostPassed;
         ++passed, window = ::GetWindow(window, GW_HWNDPREV)) {
        if (!::IsWindowVisible(window)) continue;
        ++looked;
        if (Overlaps(window, bounds)) above.push_back(Described(window));
    }
    return above;
}

// The application the user works in, and whether it has a menu up, of
// whatever class its windows are.
InFront ApplicationInFront() {
    const HWND window = ::GetForegroundWindow();
    if (!window) return {};
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const bool inMenu = ::GetGUIThreadInfo(thread, &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0;
    return {reinterpret_cast<std::uintptr_t>(window),
            reinterpret_cast<std::uintptr_t>(::GetAncestor(window, GA_ROOTOWNER)), thread, inMenu};
}

}  // namespace

void MarkerWindow::OnTick() {
    CentreOnCursor();  // not while the menu is up
    // The keys go to the application in front, never to this thread's queue:
    // the keyboard as it is now, not this thread's view of it (which stops at
    // the last input message it read, the mouse reports among them). Each key
    // acts when it goes down, not while it is held (or reported stuck down),
    // and is looked at on every tick, so that a press is never kept for later.
    const bool f9 = f9_.Pressed(::GetAsyncKeyState(VK_F9) < 0);
    const bool f12 = f12_.Pressed(::GetAsyncKeyState(VK_F12) < 0);
    if (menuOpen_ || unloaded_) return;
    if (settings_.shown) {
        KeepOnTop();
        if (f9) OpenMenu();
    } else if (f12) {
        MakeTopmost();
        ToggleShown();
    }
}

void MarkerWindow::CentreOnCursor() {
    if (menuOpen_ || unloaded_) return;
    // Where the cursor cannot be read, the marker stays where it is; it moves
    // only when it is not already there.
    const std::optional<POINT> cursor = cursor_.Position();
    if (!cursor) return;
    const int left = CentredEdge(cursor->x, bounds_.right - bounds_.left);
    const int top = CentredEdge(cursor->y, bounds_.bottom - bounds_.top);
    if (left == bounds_.left && top == bounds_.top) return;
    ::OffsetRect(&bounds_, left - bounds_.left, top - bounds_.top);
    ::SetWindowPos(window_.get(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MarkerWindow::FollowMouseInput(bool follow) {
    // Raw input in the background, not a low-level hook: a hook makes every
    // mouse move on the machine wait for this thread (a save waiting for a
    // held file, say). Refused, the tick alone keeps the marker on the cursor.
    if (follow == followingInput_) return;
    const DWORD flags = follow ? RIDEV_INPUTSINK : RIDEV_REMOVE;
    const RAWINPUTDEVICE mouse{kGenericDesktopPage, kMouseUsage, flags, follow ? window_.get() : nullptr};
    if (::RegisterRawInputDevices(&mouse, 1, sizeof mouse)) followingInput_ = follow;
}

void MarkerWindow::HideByClick() {
    if (unloaded_) return;
    settings_.shown = false;
    cursor_.Show();
    ::ShowWindow(window_.get(), SW_HIDE);
    FollowMouseInput(false);  // a hidden marker costs nothing
}

void MarkerWindow::ToggleShown() {
    settings_.shown = !settings_.shown;
    // Hidden, it may have been taken to a monitor of another resolution unannounced.
    const UINT dpi = WindowDpi(window_.get());
    if (settings_.shown && dpi != fontDpi_) OnDpiChanged(dpi);
    ::ShowWindow(window_.get(), settings_.shown ? SW_SHOWNA : SW_HIDE);  // never activated
    FollowMouseInput(settings_.shown);
}

void MarkerWindow::MakeTopmost() {
    ::SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void MarkerWindow::KeepOnTop() {
    // Topmost is set once, and every topmost window shown later (a share bar,
    // a notification, the taskbar after a click) comes above.
    const std::vector<WindowAbove> above = WindowsAbove(window_.get(), bounds_);
    if (above.empty() && !topmostRule_.AnyInsisting()) return;
    // The application in front matters only where a window above may be met.
    const bool anyToMeet = std::any_of(above.begin(), above.end(),
                                       [&](const WindowAbove& window) { return !topmostRule_.Insists(window.id); });
    const InFront front = anyToMeet ? ApplicationInFront() : InFront{};
    const auto stillCovers = [&](std::uintptr_t id) {
        const auto window = reinterpret_cast<HWND>(id);
        return ::IsWindowVisible(window) && Overlaps(window, bounds_) && !Cloaked(window);
    };
    if (topmostRule_.Raise(above, front, ::GetTickCount64(), stillCovers)) MakeTopmost();
}
