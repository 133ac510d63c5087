// The popup menu and the mouse over the marker.
#include "pointer/marker_window.h"

namespace {

constexpr std::int16_t kRightButton = 2;

}  // namespace

void MarkerWindow::OpenMenu() {
    menuOpen_ = true;
    Cursor().Show();
    PopupMenu(menu_.root);
    menuOpen_ = false;
    // The quit command sets reshapeHeld_: the window is being unloaded.
    if (!reshapeHeld_) ChooseGlyph(settings_.glyphIndex);
}

void MarkerWindow::OnMouseMove(std::int16_t, std::int16_t, float, float) { CentreOnCursor(); }

void MarkerWindow::OnMouseUp(std::int16_t button, std::int16_t, float, float) {
    if (button == kRightButton) {
        OpenMenu();
        return;
    }
    settings_.shown = false;
    Cursor().Show();
    SetVisible(false);
}
