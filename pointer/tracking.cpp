// Keeping the marker centred on the cursor, and the two hot keys, polled on
// the 10 ms tick.
#include "app/settings.h"
#include "platform/screen.h"
#include "platform/win.h"
#include "pointer/frm_main.h"

namespace {

constexpr int VK_F9 = 0x78;
constexpr int VK_F12 = 0x7B;

bool KeyDown(int virtualKey) { return win::GetKeyState(virtualKey) < 0; }

}  // namespace

void FrmMain::MoveToCursor() {
    if (blnMenuOpen) return;
    clsMouseControl& mouse = MouseControl();
    // Left first, then top, each from its own reading of the cursor; the
    // window then moves once, and not at all when it is already there.
    const double left =
        static_cast<double>(platform::screen::TwipsPerPixelX()) * mouse.NowX() - static_cast<double>(Width()) / 2;
    const double top =
        static_cast<double>(platform::screen::TwipsPerPixelY()) * mouse.NowY() - static_cast<double>(Height()) / 2;
    SetPosition(static_cast<float>(left), static_cast<float>(top));
}

void FrmMain::timMouseMove_Timer() {
    if (blnMenuOpen) return;
    MoveToCursor();
    if (blnDispPointer) {
        if (KeyDown(VK_F9)) OpenPointerMenu();
    } else if (KeyDown(VK_F12)) {
        blnDispPointer = !blnDispPointer;
        MakeTopmost();
        SetVisible(blnDispPointer);
    }
}
