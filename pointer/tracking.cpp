// Keeping the marker centred on the cursor.
#include "platform/screen.h"
#include "pointer/frm_main.h"

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
