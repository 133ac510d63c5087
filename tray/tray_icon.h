#pragma once
// One icon in the notification area: its owner window (which receives the
// icon's callback message), icon and tip, and the mouse messages the shell
// reports turned into event flags read one by one.
#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include <array>
#include <string>

class TrayIcon {
public:
    TrayIcon() = default;
    // A shown icon never outlives its instance.
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Clears every event flag, then sets the one of the callback's mouse message.
    void RecordEvent(LPARAM callback);
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
    void SetIcon(HICON icon) { icon_ = icon; }
    void SetOwner(HWND window) { owner_ = window; }
    void SetTip(const std::wstring& text) { tip_ = text; }
    const std::wstring& Tip() const { return tip_; }

    // Each answers whether the shell accepted the call. The icon is wanted
    // from Add to Delete, whatever the shell answered.
    bool Add();
    // A shell that refused the add (busy, or not yet up at log-on) is asked
    // again; one that took it after all, its answer late, is not asked twice.
    bool AddIfRefused();
    bool Modify();  // only while the shell has it
    bool Delete();  // only while wanted
    bool Wanted() const { return wanted_; }

    // The first-version record every shell call gets, built afresh: the tip
    // in the ANSI code page, cut whole to 63 bytes, a NUL, then spaces.
    NOTIFYICONDATAA Record() const;

private:
    bool wanted_ = false;
    bool shown_ = false;  // the shell said it took it
    HWND owner_ = nullptr;
    HICON icon_ = nullptr;
    std::wstring tip_;
    std::array<bool, 9> events_{};
};
