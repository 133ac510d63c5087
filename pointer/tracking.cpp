// Following the cursor and the two hot keys, polled on the 10 ms tick, and
// showing and hiding the marker.
#include "pointer/dpi.h"
#include "pointer/geometry.h"
#include "pointer/marker_window.h"

namespace {

// At most ten raises a second: a window that puts itself back on top at
// every turn is not fought over.
constexpr ULONGLONG kRaiseIntervalMs = 100;

// The mouse among the HID devices.
constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kMouseUsage = 0x02;

HWND VisibleWindowAbove(HWND window) {
    for (HWND above = ::GetWindow(window, GW_HWNDPREV); above; above = ::GetWindow(above, GW_HWNDPREV)) {
        if (::IsWindowVisible(above)) return above;
    }
    return nullptr;
}

}  // namespace

void MarkerWindow::OnTick() {
    if (menuOpen_ || unloaded_) return;
    CentreOnCursor();
    // The keys go to the application in front, never to this thread's queue:
    // the keyboard as it is now, not this thread's view of it (which stops at
    // the last input message it read, the mouse reports among them).
    if (settings_.shown) {
        KeepOnTop();
        if (::GetAsyncKeyState(VK_F9) < 0) OpenMenu();
    } else if (::GetAsyncKeyState(VK_F12) < 0) {
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
    const HWND above = VisibleWindowAbove(window_.get());
    if (!above) outOfReach_ = nullptr;
    if (!above || above == outOfReach_) return;
    const ULONGLONG now = ::GetTickCount64();
    if (now - lastRaised_ < kRaiseIntervalMs) return;
    lastRaised_ = now;
    MakeTopmost();
    // Still above: the shell's own band (Start, search, the task switcher),
    // which no program goes above; left alone while it stays there.
    if (VisibleWindowAbove(window_.get()) == above) outOfReach_ = above;
}
