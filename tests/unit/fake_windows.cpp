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

std::string Convert(const char* to, const char* from, const void* bytes, std::size_t size) {
    iconv_t cd = iconv_open(to, from);
    std::string out(size * 4 + 4, '\0');
    char* in = static_cast<char*>(const_cast<void*>(bytes));
    char* at = out.data();
    std::size_t room = out.size();
    iconv(cd, &in, &size, &at, &room);
    iconv_close(cd);
    out.resize(out.size() - room);
    return out;
}

}  // namespace

std::string platform::ToAnsi(std::wstring_view text) {
    return Convert("CP932", "WCHAR_T", text.data(), text.size() * sizeof(wchar_t));
}

std::wstring platform::FromAnsi(std::string_view bytes) {
    const std::string wide = Convert("WCHAR_T", "CP932", bytes.data(), bytes.size());
    return {reinterpret_cast<const wchar_t*>(wide.data()), wide.size() / sizeof(wchar_t)};
}

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
void RtlMoveMemory(void* to, const void* from, std::size_t bytes) { std::memmove(to, from, bytes); }

bool GetCursorPos(Point& point) { return point = {}, true; }
bool SetCursorPos(int, int) { return true; }
int ShowCursor(bool) { return 0; }
Handle WindowFromPoint(Point) { return Fake().window ? &Fake().window : nullptr; }
bool IsWindow(Handle window) { return window != nullptr; }
int GetClassNameA(Handle, char*, int) { return 0; }
int GetWindowTextA(Handle, char*, int) { return 0; }
bool ReleaseCapture() { return true; }
std::intptr_t SendMessageA(Handle, std::uint32_t message, std::uintptr_t size, std::intptr_t buffer) {
    if (message == 0x000E) return Fake().window->reportedLength;  // WM_GETTEXTLENGTH
    const std::string& text = Fake().window->text;                // WM_GETTEXT
    const std::size_t n = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(reinterpret_cast<char*>(buffer), text.c_str(), n + 1);
    return static_cast<std::intptr_t>(n);
}
bool Shell_NotifyIconA(std::uint32_t, const NotifyIconDataV1&) { return true; }

}  // namespace win
