// The named Windows calls, forwarded to Windows.
#include <cstring>
#include <vector>

#include "platform/text.h"
#include "platform/win.h"
#include "platform/win32/windows_headers.h"

namespace win {
std::uint32_t GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                       const std::string& defaultValue, char* buffer, std::uint32_t size,
                                       const std::wstring& path) {
    if (size == 0) return 0;
    std::vector<wchar_t> wide(size, L'\0');
    const std::wstring wideSection = platform::FromAnsi(section);
    const std::wstring wideKey = platform::FromAnsi(key);
    const std::wstring wideDefault = platform::FromAnsi(defaultValue);
    const DWORD chars = ::GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(),
                                                   wide.data(), size, path.c_str());
    const std::string value = platform::AnsiPrefix(std::wstring(wide.data(), chars), size - 1);
    std::memcpy(buffer, value.data(), value.size());
    buffer[value.size()] = '\0';
    return static_cast<std::uint32_t>(value.size());
}

bool WritePrivateProfileStringA(const std::string& section, const std::string& key, const std::string& value,
                                const std::wstring& path) {
    return ::WritePrivateProfileStringW(platform::FromAnsi(section).c_str(), platform::FromAnsi(key).c_str(),
                                        platform::FromAnsi(value).c_str(), path.c_str()) != 0;
}

Handle GetProcessHeap() { return ::GetProcessHeap(); }

void* HeapAlloc(Handle heap, std::uint32_t flags, std::size_t bytes) { return ::HeapAlloc(heap, flags, bytes); }

void* HeapReAlloc(Handle heap, std::uint32_t flags, void* block, std::size_t bytes) {
    return ::HeapReAlloc(heap, flags, block, bytes);
}

bool HeapFree(Handle heap, std::uint32_t flags, void* block) { return ::HeapFree(heap, flags, block) != 0; }

int lstrlenA(const char* text) { return ::lstrlenA(text); }

void RtlMoveMemory(void* destination, const void* source, std::size_t bytes) {
    std::memmove(destination, source, bytes);
}

int ShowCursor(bool show) { return ::ShowCursor(show ? TRUE : FALSE); }

bool GetCursorPos(Point& point) {
    POINT p{};
    const bool ok = ::GetCursorPos(&p) != 0;
    point = {p.x, p.y};
    return ok;
}

bool SetCursorPos(int x, int y) { return ::SetCursorPos(x, y) != 0; }

}  // namespace win
