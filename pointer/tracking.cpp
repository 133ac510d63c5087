// Keeping the marker centred on the cursor, and the two hot keys, polled on
// the 10 ms tick.
#include "platform/screen.h"
#include "platform/win.h"
#include "pointer/marker_window.h"

namespace {

constexpr int VK_F9 = 0x78;
constexpr int VK_F12 = 0x7B;

bool KeyDown(int virtualKey) { return win::GetKeyState(virtualKey) < 0; }

}  // namespace

void MarkerWindow::CentreOnCursor() {
    if (menuOpen_) return;
    CursorProbe& mouse = Cursor();
    // Left first, then top, each from its own reading of the cursor; the
    // window then moves once, and not at all when it is already there.
    const double left =
        static_cast<double>(platform::screen::TwipsPerPixelX()) * mouse.X() - static_cast<double>(Width()) / 2;
    const double top =
        static_cast<double>(platform::screen::TwipsPerPixelY()) * mouse.Y() - static_cast<double>(Height()) / 2;
    SetPosition(static_cast<float>(left), static_cast<float>(top));
}

void MarkerWindow::OnTick() {
    if (menuOpen_) return;
    CentreOnCursor();
    if (settings_.shown) {
        if (KeyDown(VK_F9)) OpenMenu();
    } else if (KeyDown(VK_F12)) {
        settings_.shown = !settings_.shown;
        MakeTopmost();
        SetVisible(settings_.shown);
    }
}
