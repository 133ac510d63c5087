#pragma once
// One icon in the notification area: its owner window (which receives the
// icon's callback message), icon and tip, and the mouse messages the shell
// reports turned into event flags read one by one.
#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include <array>
#include <memory>
#include <string>
#include <thread>

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

    // The first add, on the calling thread; answers whether the shell took
    // it. A shell that refused it (busy, or not yet up at log-on) is asked
    // again once a second on a thread of its own until it takes it: a shell
    // call may wait seconds for the answer, and the caller's thread (the
    // marker's) must never stand still for it. The icon is wanted from here
    // to Delete, whatever the shell answered.
    bool Add();
    // A restarted shell has lost the icon: asked again in the same way.
    void AddAgain();
    bool Modify();  // only while wanted
    // Stops the asking, waiting for it briefly, and removes the icon, also
    // when the shell never said it took it: it may have.
    bool Delete();

    // The first-version record every shell call gets, built afresh: the tip
    // in the ANSI code page, cut whole to 63 bytes, a NUL, then spaces.
    NOTIFYICONDATAA Record() const;

private:
    struct Asking;  // shared with the thread that asks
    void AskInTheBackground(bool now);
    void StopAsking();

    bool wanted_ = false;
    std::shared_ptr<Asking> asking_;
    std::thread asker_;
    HWND owner_ = nullptr;
    HICON icon_ = nullptr;
    std::wstring tip_;
    std::array<bool, 9> events_{};
};
