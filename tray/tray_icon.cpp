#include "tray/tray_icon.h"

#include <cstring>

#include "platform/text.h"
#include "tray/tray_events.h"

namespace {

constexpr UINT kIconId = 1;
// The first-version record's tip field; the shell reads no further.
constexpr std::size_t kTipBytes = 64;

}  // namespace

TrayIcon::~TrayIcon() {
    if (wanted_) Delete();
}

void TrayIcon::RecordEvent(LPARAM callback) {
    events_.fill(false);
    if (const auto index = TrayEventIndex(callback)) events_[*index] = true;
}

NOTIFYICONDATAA TrayIcon::Record() const {
    // Every byte the shell reads is set, the gaps between fields included.
    NOTIFYICONDATAA data;
    std::memset(static_cast<void*>(&data), 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner_;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | (tip_.empty() ? 0 : NIF_TIP);
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon_;
    const std::string tip = AnsiPrefix(tip_, kTipBytes - 1);
    std::memset(data.szTip, ' ', kTipBytes);
    std::memcpy(data.szTip, tip.data(), tip.size());
    data.szTip[tip.size()] = '\0';
    return data;
}

bool TrayIcon::Add() {
    NOTIFYICONDATAA data = Record();
    wanted_ = true;
    shown_ = ::Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    return shown_;
}

bool TrayIcon::AddIfRefused() {
    if (!wanted_ || shown_) return true;
    // An add that timed out may still have landed, and a second add of the
    // same icon is refused for good.
    NOTIFYICONDATAA data = Record();
    shown_ = ::Shell_NotifyIconA(NIM_MODIFY, &data) || ::Shell_NotifyIconA(NIM_ADD, &data);
    return shown_;
}

bool TrayIcon::Modify() {
    NOTIFYICONDATAA data = Record();
    return shown_ && ::Shell_NotifyIconA(NIM_MODIFY, &data);
}

bool TrayIcon::Delete() {
    if (!wanted_) return false;
    // Also when the shell never said it took it: it may have.
    NOTIFYICONDATAA data = Record();
    wanted_ = shown_ = false;
    return ::Shell_NotifyIconA(NIM_DELETE, &data);
}
