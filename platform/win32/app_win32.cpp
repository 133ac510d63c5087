// Application services and screen, on Windows.
#include <cmath>
#include <cstring>

#include "platform/app.h"
#include "platform/error.h"
#include "platform/screen.h"
#include "platform/win32/handles.h"
#include "platform/win32/last_error.h"
#include "platform/win32/windows_headers.h"

namespace platform::win32 {
namespace {

std::wstring SystemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD n =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = n ? std::wstring(text, n) : L"Windows error " + std::to_wstring(code);
    if (text) ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
    return message;
}

}  // namespace

[[noreturn]] void RaiseLastError() {
    const DWORD code = ::GetLastError();
    throw RaisedError(static_cast<std::int32_t>(code), SystemMessage(code));
}

}  // namespace platform::win32

namespace platform::app {

using win32::RaiseLastError;

bool AnotherInstanceRuns() {
    // Held until the process ends, so a later start sees this one. The name
    // lives in the session's namespace: one marker per desktop session.
    static win32::UniqueKernelHandle instanceMutex;
    if (instanceMutex) return false;
    instanceMutex.reset(::CreateMutexW(nullptr, FALSE, L"Local\\Trailglint.SingleInstance"));
    const DWORD error = ::GetLastError();
    if (!instanceMutex) return error == ERROR_ACCESS_DENIED;
    return error == ERROR_ALREADY_EXISTS;
}

std::wstring ExeFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) RaiseLastError();
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos) return path;
    path.resize(slash);
    if (path.size() == 2 && path[1] == L':') path += L'\\';  // a drive's root keeps its backslash
    return path;
}

Version ProgramVersion() {
    HRSRC info = ::FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */);
    HGLOBAL loaded = info ? ::LoadResource(nullptr, info) : nullptr;
    const auto* data = static_cast<const unsigned char*>(loaded ? ::LockResource(loaded) : nullptr);
    if (!data) RaiseLastError();
    const DWORD size = ::SizeofResource(nullptr, info);
    // The fixed part follows the "VS_VERSION_INFO" key, 32-bit aligned; its
    // signature marks it.
    for (DWORD offset = 0; offset + sizeof(VS_FIXEDFILEINFO) <= size; offset += 4) {
        VS_FIXEDFILEINFO fixed;
        std::memcpy(&fixed, data + offset, sizeof fixed);
        if (fixed.dwSignature == 0xFEEF04BD) {
            return {HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionLS)};
        }
    }
    throw RaisedError(kErrSubscriptOutOfRange, L"No version information");
}

void MessageBoxStop(const std::wstring& text, const std::wstring& caption) {
    if (::MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONSTOP | MB_SETFOREGROUND) == 0) {
        RaiseLastError();
    }
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateEmptyFile(const std::wstring& path) {
    win32::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

int RunMessageLoop() {
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace platform::app

namespace platform::screen {
namespace {

// A whole number, as the factor has always been (15 at 96 dpi, 12 at 120):
// the tray's callback code travels as pixels times this factor and is
// recovered by dividing by it, which a fraction would break.
float TwipsPerPixel(int axis) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, axis) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return std::round(1440.0f / static_cast<float>(dpi > 0 ? dpi : 96));
}

}  // namespace

// The program is system-DPI aware, so the factors hold for its whole life.
float TwipsPerPixelX() {
    static const float factor = TwipsPerPixel(LOGPIXELSX);
    return factor;
}

float TwipsPerPixelY() {
    static const float factor = TwipsPerPixel(LOGPIXELSY);
    return factor;
}

}  // namespace platform::screen
