// Following the cursor and the two hot keys, polled on the 10 ms tick, and
// showing and hiding the marker.
#include <dwmapi.h>

#include <array>
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

// The visible windows above the marker, nearest first: none while it is on top.
std::vector<WindowAbove> WindowsAbove(HWND marker, const RECT& bounds) {
    std::vector<WindowAbove> above;
    for (HWND window = ::GetWindow(marker, GW_HWNDPREV); window; window = ::GetWindow(window, GW_HWNDPREV)) {
        if (!::IsWindowVisible(window)) continue;
        std::array<wchar_t, 64> name{};
        RECT place{}, common{};
        ::GetClassNameW(window, name.data(), static_cast<int>(name.size()));
        ::GetWindowRect(window, &place);
        const bool overlaps = ::IntersectRect(&common, &place, &bounds) != FALSE;
        above.push_back({reinterpret_cast<std::uintptr_t>(window), name.data(), overlaps, overlaps && Cloaked(window)});
    }
    return above;
}

// A menu of the application in front, of whatever class its windows are.
bool MenuInFront() {
    GUITHREADINFO front{};
    front.cbSize = sizeof front;
    return ::GetGUIThreadInfo(0, &front) && (front.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0;
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
    const bool menuInFront = !above.empty() && MenuInFront();
    if (topmostRule_.Raise(above, menuInFront, ::GetTickCount64())) MakeTopmost();
}
