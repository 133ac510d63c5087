#include "tray/task_tray.h"

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

clsTaskTray::~clsTaskTray() {
    if (blnShown) Delete();
}

void clsTaskTray::Events(std::int32_t IlngEvent) {
    std::fill(std::begin(blnEvent), std::end(blnEvent), false);
    if (IlngEvent >= kFirstCode && IlngEvent <= kLastCode) blnEvent[IlngEvent - kFirstCode] = true;
}

void clsTaskTray::ToolTipText(const std::wstring& IstrText) {
    strTipText = IstrText;
    blnHasTip = !IstrText.empty();
}

win::NotifyIconDataV1 clsTaskTray::BuildIconData() const {
    win::NotifyIconDataV1 data;
    data.cbSize = sizeof data;
    data.hWnd = lngOwnerHwnd;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | (blnHasTip ? NIF_TIP : 0);
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = lngIconHandle;
    // The text, one NUL, then spaces to the end; cut so the NUL always fits.
    const std::string tip = platform::ToAnsi(strTipText);
    const std::size_t n = std::min(tip.size(), sizeof data.szTip - 1);
    std::memset(data.szTip, ' ', sizeof data.szTip);
    std::memcpy(data.szTip, tip.data(), n);
    data.szTip[n] = '\0';
    return data;
}

bool clsTaskTray::Add() {
    const bool accepted = win::Shell_NotifyIconA(NIM_ADD, BuildIconData());
    blnShown = true;
    return accepted;
}

bool clsTaskTray::Modify() {
    if (!blnShown) return false;
    return win::Shell_NotifyIconA(NIM_MODIFY, BuildIconData());
}

bool clsTaskTray::Delete() {
    if (!blnShown) return false;
    const bool accepted = win::Shell_NotifyIconA(NIM_DELETE, BuildIconData());
    blnShown = false;
    return accepted;
}
