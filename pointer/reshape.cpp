// Reshaping: the window takes the size of the glyph and the glyph's outline as
// its region. Runs on appearance changes only, never on the tracking tick.
#include "app/settings.h"
#include "platform/win.h"
#include "pointer/frm_main.h"

void FrmMain::timClock_Timer() {
    if (blnNoReshape) return;
    SetVisible(false);
    lblTemplate.SetCaption(strPointerText);
    SetWidth(lblTemplate.Width());
    SetHeight(lblTemplate.Height());

    // Text recorded into a path adds only its outlines (the background mode
    // is transparent); borderless, so client and window coordinates agree.
    void* dc = hDC();
    win::BeginPath(dc);
    win::TextOutW(dc, 0, 0, strPointerText.c_str(), static_cast<int>(strPointerText.size()));
    win::EndPath(dc);
    win::SetWindowRgn(hWnd(), win::PathToRegion(dc), true);  // the window owns the region now

    SetVisible(blnDispPointer);
    Refresh();
}
