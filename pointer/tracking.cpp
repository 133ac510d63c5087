// Following the cursor and the two hot keys, polled on the 10 ms tick, and
// showing and hiding the marker.
#include "pointer/dpi.h"
#include "pointer/geometry.h"
#include "pointer/marker_window.h"

void MarkerWindow::OnTick() {
    if (menuOpen_ || unloaded_) return;
    CentreOnCursor();
    if (settings_.shown) {
        if (::GetKeyState(VK_F9) < 0) OpenMenu();
    } else if (::GetKeyState(VK_F12) < 0) {
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

void MarkerWindow::HideByClick() {
    if (unloaded_) return;
    settings_.shown = false;
    cursor_.Show();
    ::ShowWindow(window_.get(), SW_HIDE);
}

void MarkerWindow::ToggleShown() {
    settings_.shown = !settings_.shown;
    // Hidden, it may have been taken to a monitor of another resolution unannounced.
    const UINT dpi = WindowDpi(window_.get());
    if (settings_.shown && dpi != fontDpi_) OnDpiChanged(dpi);
    ::ShowWindow(window_.get(), settings_.shown ? SW_SHOWNA : SW_HIDE);  // never activated
}

void MarkerWindow::MakeTopmost() {
    ::SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}
