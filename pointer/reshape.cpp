// Reshaping: the window takes the size of the glyph and the glyph's outline as
// its region. Runs on appearance changes only, never on the tracking tick.
#include "platform/win.h"
#include "pointer/marker_window.h"

void MarkerWindow::Reshape() {
    if (reshapeHeld_) return;
    SetVisible(false);
    glyphLabel_.SetCaption(glyphText_);
    SetWidth(glyphLabel_.Width());
    SetHeight(glyphLabel_.Height());

    // Text recorded into a path adds only its outlines (the background mode
    // is transparent); borderless, so client and window coordinates agree.
    void* dc = DeviceContext();
    win::BeginPath(dc);
    win::TextOutW(dc, 0, 0, glyphText_.c_str(), static_cast<int>(glyphText_.size()));
    win::EndPath(dc);
    win::SetWindowRgn(Handle(), win::PathToRegion(dc), true);  // the window owns the region now

    SetVisible(settings_.shown);
    Refresh();
}
