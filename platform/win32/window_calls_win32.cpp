// Window, key and path calls, forwarded to Windows.

#include <cstddef>

#include "platform/win.h"
#include "platform/win32/windows_headers.h"

namespace win {
namespace {

HWND W(Handle h) { return static_cast<HWND>(h); }
HDC Dc(Handle h) { return static_cast<HDC>(h); }

}  // namespace

std::int16_t GetKeyState(int virtualKey) { return ::GetKeyState(virtualKey); }

bool SetWindowPos(Handle window, Handle insertAfter, int x, int y, int cx, int cy, std::uint32_t flags) {
    return ::SetWindowPos(W(window), W(insertAfter), x, y, cx, cy, flags) != 0;
}

std::int32_t GetWindowLongA(Handle window, int index) { return ::GetWindowLongA(W(window), index); }

std::int32_t SetWindowLongA(Handle window, int index, std::int32_t value) {
    return ::SetWindowLongA(W(window), index, value);
}

bool SetLayeredWindowAttributes(Handle window, std::uint32_t colorKey, std::uint8_t alpha, std::uint32_t flags) {
    return ::SetLayeredWindowAttributes(W(window), colorKey, alpha, flags) != 0;
}

bool RedrawWindow(Handle window, const Rect* update, Handle region, std::uint32_t flags) {
    RECT r{};
    if (update) r = {update->left, update->top, update->right, update->bottom};
    return ::RedrawWindow(W(window), update ? &r : nullptr, static_cast<HRGN>(region), flags) != 0;
}

bool SetForegroundWindow(Handle window) { return ::SetForegroundWindow(W(window)) != 0; }

int SetWindowRgn(Handle window, Handle region, bool redraw) {
    return ::SetWindowRgn(W(window), static_cast<HRGN>(region), redraw ? TRUE : FALSE);
}

bool BeginPath(Handle dc) { return ::BeginPath(Dc(dc)) != 0; }

bool TextOutW(Handle dc, int x, int y, const wchar_t* text, int length) {
    return ::TextOutW(Dc(dc), x, y, text, length) != 0;
}

bool EndPath(Handle dc) { return ::EndPath(Dc(dc)) != 0; }

Handle PathToRegion(Handle dc) { return ::PathToRegion(Dc(dc)); }

}  // namespace win

namespace win {

Handle WindowFromPoint(Point point) { return ::WindowFromPoint(POINT{point.x, point.y}); }

bool IsWindow(Handle window) { return ::IsWindow(static_cast<HWND>(window)) != 0; }

int GetClassNameA(Handle window, char* buffer, int size) {
    return ::GetClassNameA(static_cast<HWND>(window), buffer, size);
}

int GetWindowTextA(Handle window, char* buffer, int size) {
    return ::GetWindowTextA(static_cast<HWND>(window), buffer, size);
}

std::intptr_t SendMessageA(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    return ::SendMessageA(static_cast<HWND>(window), message, wParam, lParam);
}

bool ReleaseCapture() { return ::ReleaseCapture() != 0; }

}  // namespace win

namespace win {

// The toolkit's record has the layout of the first-version NOTIFYICONDATAA.
static_assert(sizeof(NotifyIconDataV1) == NOTIFYICONDATAA_V1_SIZE);
static_assert(sizeof(NotifyIconDataV1) == (sizeof(void*) == 8 ? 104 : 88));
static_assert(offsetof(NotifyIconDataV1, hWnd) == offsetof(NOTIFYICONDATAA, hWnd));
static_assert(offsetof(NotifyIconDataV1, uID) == offsetof(NOTIFYICONDATAA, uID));
static_assert(offsetof(NotifyIconDataV1, uFlags) == offsetof(NOTIFYICONDATAA, uFlags));
static_assert(offsetof(NotifyIconDataV1, uCallbackMessage) == offsetof(NOTIFYICONDATAA, uCallbackMessage));
static_assert(offsetof(NotifyIconDataV1, hIcon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(NotifyIconDataV1, szTip) == offsetof(NOTIFYICONDATAA, szTip));

bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconDataV1& data) {
    // The shell reads only cbSize bytes of the record.
    return ::Shell_NotifyIconA(message, reinterpret_cast<NOTIFYICONDATAA*>(const_cast<NotifyIconDataV1*>(&data))) != 0;
}

}  // namespace win
