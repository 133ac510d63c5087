#pragma once
// One icon in the notification area: its owner window (which receives the
// icon's mouse callbacks), icon and tooltip, and the mouse-message codes the
// shell reports turned into event flags read one by one.
#include <cstdint>
#include <string>

#include "platform/win.h"

class TrayIcon {
public:
    TrayIcon() = default;
    // A shown icon never outlives its instance.
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Clears every event flag, then sets the one for this mouse-message code.
    void RecordEvent(std::int32_t code);
    bool LeftButtonDown() const { return events_[0]; }
    bool LeftButtonUp() const { return events_[1]; }
    bool LeftButtonDblClick() const { return events_[2]; }
    bool RightButtonDown() const { return events_[3]; }
    bool RightButtonUp() const { return events_[4]; }
    bool RightButtonDblClick() const { return events_[5]; }
    bool MiddleButtonDown() const { return events_[6]; }
    bool MiddleButtonUp() const { return events_[7]; }
    bool MiddleButtonDblClick() const { return events_[8]; }

    // The setters only store: the shell sees them at the next Add or Modify.
    void SetIcon(void* icon) { icon_ = icon; }
    void SetOwner(void* window) { owner_ = window; }
    void SetTip(const std::wstring& text);
    std::wstring Tip() const { return tip_; }

    // Each answers whether the shell accepted the call.
    bool Add();
    bool Modify();  // only while shown
    bool Delete();  // only while shown

    bool Shown() const { return shown_; }
    // The record every shell call gets, built afresh.
    win::NotifyIconDataV1 Record() const;

private:
    bool shown_ = false;
    bool hasTip_ = false;
    void* owner_ = nullptr;
    void* icon_ = nullptr;
    std::wstring tip_;
    bool events_[9] = {};
};
