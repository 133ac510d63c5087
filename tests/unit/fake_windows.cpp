// The few Windows calls the natively tested pieces make, answered by a fake
// desktop that keeps just enough state to be asked about afterwards. ANSI
// text is code page 932, as on Japanese Windows.
#include "tests/unit/fake_windows.h"

#include <iconv.h>

#include <cstdlib>
#include <cstring>

#include "platform/text.h"
#include "platform/win.h"

FakeWindows& Fake() {
    static FakeWindows fake;
    return fake;
}

namespace {

std::string Convert(const char* to, const char* from, const char* bytes, std::size_t size) {
    iconv_t cd = iconv_open(to, from);
    std::string out(size * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes);
    char* at = out.data();
    std::size_t left = size, room = out.size();
    while (left > 0 && iconv(cd, &in, &left, &at, &room) == static_cast<std::size_t>(-1)) {
        // No form in the code page: one substitute character, as Windows does.
        const std::size_t unit = std::strcmp(from, "WCHAR_T") == 0 ? sizeof(wchar_t) : 1;
        in += unit, left -= unit;
        if (std::strcmp(to, "WCHAR_T") == 0) {
            const wchar_t q = L'?';
            std::memcpy(at, &q, sizeof q), at += sizeof q, room -= sizeof q;
        } else {
            *at++ = '?', --room;
        }
    }
    iconv_close(cd);
    out.resize(out.size() - room);
    return out;
}

}  // namespace

namespace platform {

std::string ToAnsi(std::wstring_view text) {
    return Convert("CP932", "WCHAR_T", reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

std::wstring FromAnsi(std::string_view bytes) {
    const std::string wide = Convert("WCHAR_T", "CP932", bytes.data(), bytes.size());
    return std::wstring(reinterpret_cast<const wchar_t*>(wide.data()), wide.size() / sizeof(wchar_t));
}

}  // namespace platform

namespace win {

Handle GetProcessHeap() { return &Fake().blocks; }
void* HeapAlloc(Handle, std::uint32_t, std::size_t bytes) { return HeapReAlloc(nullptr, 0, nullptr, bytes); }
void* HeapReAlloc(Handle, std::uint32_t, void* block, std::size_t bytes) {
    if (Fake().failAllocations) return nullptr;
    Fake().blocks.erase(block);
    void* grown = std::realloc(block, bytes ? bytes : 1);
    Fake().blocks[grown] = bytes;
    return grown;
}
bool HeapFree(Handle, std::uint32_t, void* block) {
    std::free(block);
    return Fake().blocks.erase(block) == 1;
}
int lstrlenA(const char* text) { return static_cast<int>(std::strlen(text)); }
void RtlMoveMemory(void* destination, const void* source, std::size_t bytes) {
    std::memmove(destination, source, bytes);
}

bool GetCursorPos(Point& point) { return point = {}, true; }
bool SetCursorPos(int, int) { return true; }
int ShowCursor(bool show) { return Fake().cursorCount += show ? 1 : -1; }
Handle WindowFromPoint(Point) { return Fake().window ? &Fake().window : nullptr; }
bool IsWindow(Handle window) { return window != nullptr; }
int GetClassNameA(Handle, char*, int) { return 0; }
int GetWindowTextA(Handle, char*, int) { return 0; }
bool ReleaseCapture() { return true; }
std::intptr_t SendMessageA(Handle, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    const std::string& text = Fake().window->text;
    if (message == 0x000E) return Fake().window->reportedLength;  // WM_GETTEXTLENGTH
    if (message != 0x000D || wParam == 0) return 0;               // WM_GETTEXT
    const std::size_t n = std::min<std::size_t>(text.size(), wParam - 1);
    std::memcpy(reinterpret_cast<char*>(lParam), text.data(), n);
    reinterpret_cast<char*>(lParam)[n] = '\0';
    return static_cast<std::intptr_t>(n);
}

bool Shell_NotifyIconA(std::uint32_t, const NotifyIconDataV1&) { return true; }

}  // namespace win
