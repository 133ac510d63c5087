// The popup menu and the mouse over the marker.
#include "app/settings.h"
#include "pointer/marker_window.h"

namespace {

constexpr std::int16_t kRightButton = 2;

}  // namespace

void MarkerWindow::OpenMenu() {
    menuOpen = true;
    Cursor().Show();
    PopupMenu(menu.root);
    menuOpen = false;
    // The quit command sets reshapeHeld: the window is being unloaded.
    if (!reshapeHeld) ChooseGlyph(glyphIndex);
}

void MarkerWindow::OnMouseMove(std::int16_t, std::int16_t, float, float) { CentreOnCursor(); }

void MarkerWindow::OnMouseUp(std::int16_t button, std::int16_t, float, float) {
    if (button == kRightButton) {
        OpenMenu();
        return;
    }
    markerShown = false;
    Cursor().Show();
    SetVisible(false);
}
