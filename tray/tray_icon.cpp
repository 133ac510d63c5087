#include "tray/tray_icon.h"

#include <algorithm>
#include <cstring>

#include "platform/text.h"

namespace {

constexpr std::uint32_t NIM_ADD = 0;
constexpr std::uint32_t NIM_MODIFY = 1;
constexpr std::uint32_t NIM_DELETE = 2;
constexpr std::uint32_t NIF_MESSAGE = 0x1;
constexpr std::uint32_t NIF_ICON = 0x2;
constexpr std::uint32_t NIF_TIP = 0x4;
// The callback arrives as WM_MOUSEMOVE, with the mouse message in lParam's
// low word: the owner sees it as a mouse move whose x is the code.
constexpr std::uint32_t kCallbackMessage = 0x200;
constexpr std::uint32_t kIconId = 1;

// WM_LBUTTONDOWN .. WM_MBUTTONDBLCLK, in the order of the event flags.
constexpr std::int32_t kFirstCode = 0x201;
constexpr std::int32_t kLastCode = 0x209;

}  // namespace

TrayIcon::~TrayIcon() {
    if (shown_) Delete();
}

void TrayIcon::RecordEvent(std::int32_t code) {
    std::fill(std::begin(events_), std::end(events_), false);
    if (code >= kFirstCode && code <= kLastCode) events_[code - kFirstCode] = true;
}

void TrayIcon::SetTip(const std::wstring& text) {
    tip_ = text;
    hasTip_ = !text.empty();
}

win::NotifyIconDataV1 TrayIcon::Record() const {
    // Every byte the shell reads is set, padding included.
    win::NotifyIconDataV1 data;
    std::memset(static_cast<void*>(&data), 0, sizeof data);
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | (hasTip_ ? NIF_TIP : 0);
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    // The text, one NUL, then spaces to the end; cut so that the NUL always
    // fits and no double-byte character is split.
    const std::string tip = platform::AnsiPrefix(tip_, sizeof data.szTip - 1);
    std::memset(data.szTip, ' ', sizeof data.szTip);
    std::memcpy(data.szTip, tip.data(), tip.size());
    data.szTip[tip.size()] = '\0';
    return data;
}

bool TrayIcon::Add() {
    const bool accepted = win::Shell_NotifyIconA(NIM_ADD, Record());
    shown_ = true;
    return accepted;
}

bool TrayIcon::Modify() {
    if (!shown_) return false;
    return win::Shell_NotifyIconA(NIM_MODIFY, Record());
}

bool TrayIcon::Delete() {
    if (!shown_) return false;
    const bool accepted = win::Shell_NotifyIconA(NIM_DELETE, Record());
    shown_ = false;
    return accepted;
}
