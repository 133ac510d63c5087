#pragma once
// The Windows calls the program makes by name. Declarations only: the real
// backend (win32/) forwards them to Windows, the simulated one (sim/) answers
// them from its own desktop. Nothing here includes <windows.h>.
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

}  // namespace win
