// The popup menu and the mouse over the marker.
#include "app/settings.h"
#include "pointer/frm_main.h"

namespace {

constexpr std::int16_t kRightButton = 2;

}  // namespace

void FrmMain::OpenPointerMenu() {
    blnMenuOpen = true;
    MouseControl().Show();
    PopupMenu(menus.mnuPopup);
    blnMenuOpen = false;
    // The quit command sets blnNoReshape: the window is being unloaded.
    if (!blnNoReshape) mnuPointerTypeValue_Click(intPointerType);
}

void FrmMain::Form_MouseMove(std::int16_t, std::int16_t, float, float) { MoveToCursor(); }

void FrmMain::Form_MouseUp(std::int16_t Button, std::int16_t, float, float) {
    if (Button == kRightButton) {
        OpenPointerMenu();
        return;
    }
    blnDispPointer = false;
    MouseControl().Show();
    SetVisible(false);
}
