#pragma once
// One icon in the notification area: its owner window (which receives the
// icon's mouse callbacks), icon and tooltip, and the mouse-message codes the
// shell reports turned into event flags read one by one.
#include <cstdint>
#include <string>

#include "platform/win.h"

class clsTaskTray {
public:
    clsTaskTray() = default;
    // A shown icon never outlives its instance.
    ~clsTaskTray();
    clsTaskTray(const clsTaskTray&) = delete;
    clsTaskTray& operator=(const clsTaskTray&) = delete;

    // Clears every event flag, then sets the one for this mouse-message code.
    void Events(std::int32_t IlngEvent);
    bool EventLeftButtonDown() const { return blnEvent[0]; }
    bool EventLeftButtonUp() const { return blnEvent[1]; }
    bool EventLeftButtonDblClick() const { return blnEvent[2]; }
    bool EventRightButtonDown() const { return blnEvent[3]; }
    bool EventRightButtonUp() const { return blnEvent[4]; }
    bool EventRightButtonDblClick() const { return blnEvent[5]; }
    bool EventMiddleButtonDown() const { return blnEvent[6]; }
    bool EventMiddleButtonUp() const { return blnEvent[7]; }
    bool EventMiddleButtonDblClick() const { return blnEvent[8]; }

    // The setters only store: the shell sees them at the next Add or Modify.
    void Icon(void* IlngIcon) { lngIconHandle = IlngIcon; }
    void Owner(void* IlngHwnd) { lngOwnerHwnd = IlngHwnd; }
    void ToolTipText(const std::wstring& IstrText);
    std::wstring ToolTipText() const { return strTipText; }

    // Each answers whether the shell accepted the call.
    bool Add();
    bool Modify();  // only while shown
    bool Delete();  // only while shown

    bool Shown() const { return blnShown; }
    // The record every shell call gets, built afresh.
    win::NotifyIconDataV1 BuildIconData() const;

private:
    bool blnShown = false;
    bool blnHasTip = false;
    void* lngOwnerHwnd = nullptr;
    void* lngIconHandle = nullptr;
    std::wstring strTipText;
    bool blnEvent[9] = {};
};
