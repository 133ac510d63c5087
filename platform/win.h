#pragma once
// The Windows calls the program makes by name. Declarations only: win32/
// forwards them to Windows, and native tests answer the few their pieces
// make with a fake. Nothing here includes <windows.h>.
#include <cstddef>
#include <cstdint>
#include <string>

namespace win {

using Handle = void*;

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// --- private-profile files -------------------------------------------------
// Section, key and value travel as bytes in the system ANSI code page, as the
// narrow calls take them; the path is wide so that a folder whose name lies
// outside the code page still works. The file's text stays ANSI.

// Copies the value (or `defaultValue` when the key or section is missing) into
// `buffer` as a zero-terminated string of at most size - 1 bytes and returns
// the number of bytes copied without the terminator.
std::uint32_t GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                       const std::string& defaultValue, char* buffer, std::uint32_t size,
                                       const std::wstring& path);

// Sets key=value in the section, adding either when missing; other lines stay.
bool WritePrivateProfileStringA(const std::string& section, const std::string& key, const std::string& value,
                                const std::wstring& path);

// --- process heap ------------------------------------------------------------
Handle GetProcessHeap();
void* HeapAlloc(Handle heap, std::uint32_t flags, std::size_t bytes);
void* HeapReAlloc(Handle heap, std::uint32_t flags, void* block, std::size_t bytes);
bool HeapFree(Handle heap, std::uint32_t flags, void* block);

// --- bytes and strings ---------------------------------------------------------
int lstrlenA(const char* text);
void RtlMoveMemory(void* destination, const void* source, std::size_t bytes);

// --- cursor ----------------------------------------------------------------------
int ShowCursor(bool show);
bool GetCursorPos(Point& point);
bool SetCursorPos(int x, int y);

// --- the window under a point ------------------------------------------------------
Handle WindowFromPoint(Point point);
bool IsWindow(Handle window);
// Copy at most size - 1 bytes and a NUL; return the bytes copied.
int GetClassNameA(Handle window, char* buffer, int size);
int GetWindowTextA(Handle window, char* buffer, int size);
std::intptr_t SendMessageA(Handle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
bool ReleaseCapture();

// --- keys ------------------------------------------------------------------------
// Negative while the key is down.
std::int16_t GetKeyState(int virtualKey);

// --- windows (constants live with the code that uses them) -------------------------
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

bool SetWindowPos(Handle window, Handle insertAfter, int x, int y, int cx, int cy, std::uint32_t flags);
std::int32_t GetWindowLongA(Handle window, int index);
std::int32_t SetWindowLongA(Handle window, int index, std::int32_t value);
bool SetLayeredWindowAttributes(Handle window, std::uint32_t colorKey, std::uint8_t alpha, std::uint32_t flags);
bool RedrawWindow(Handle window, const Rect* update, Handle region, std::uint32_t flags);
bool SetForegroundWindow(Handle window);
// From this call on the window owns the region (and frees the one it had).
int SetWindowRgn(Handle window, Handle region, bool redraw);

// --- notification area --------------------------------------------------------------
// The first-version icon record: nothing after szTip. Its size is the one the
// platform gives that form (88 bytes in a 32-bit build, 104 in a 64-bit one).
struct NotifyIconDataV1 {
    std::uint32_t cbSize = 0;
    Handle hWnd = nullptr;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    Handle hIcon = nullptr;
    char szTip[64] = {};
};
bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconDataV1& data);

// --- paths on a device context -------------------------------------------------
bool BeginPath(Handle dc);
bool TextOutW(Handle dc, int x, int y, const wchar_t* text, int length);
bool EndPath(Handle dc);
// A new region in the device context's coordinates; the caller owns it.
Handle PathToRegion(Handle dc);

}  // namespace win
