#include "app/app_info.h"

#include <windows.h>

#include <cstring>

#include "app/heap_text.h"
#include "platform/error.h"
#include "platform/system_function.h"

namespace {

struct Version {
    int major, minor, revision;
};

Version ProgramVersion() {
    HRSRC info = ::FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */);
    HGLOBAL loaded = info ? ::LoadResource(nullptr, info) : nullptr;
    const auto* data = static_cast<const unsigned char*>(loaded ? ::LockResource(loaded) : nullptr);
    if (!data) RaiseLastError();
    // The fixed part follows the key, 32-bit aligned; its signature marks it.
    const DWORD size = ::SizeofResource(nullptr, info);
    for (DWORD offset = 0; offset + sizeof(VS_FIXEDFILEINFO) <= size; offset += 4) {
        VS_FIXEDFILEINFO fixed;
        std::memcpy(&fixed, data + offset, sizeof fixed);
        if (fixed.dwSignature == 0xFEEF04BD) {
            return {HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionLS)};
        }
    }
    throw RaisedError(ERROR_RESOURCE_DATA_NOT_FOUND, L"No version information");
}

}  // namespace

std::wstring ProgramTitle(const std::wstring& name, const std::wstring& tag) {
    try {
        const Version version = ProgramVersion();
        HeapText title;
        title.Append(name);
        title.Append(L" (ver " + std::to_wstring(version.major) + L"." + std::to_wstring(version.minor));
        title.Append(L"." + std::to_wstring(version.revision) + L")");
        if (!tag.empty()) title.Append(L" [" + tag + L"]");
        return title.Text();
    } catch (...) {
        return {};
    }
}

std::wstring ProgramFolder() {
    try {
        std::wstring path(MAX_PATH, L'\0');
        for (;;) {
            const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
            if (n == 0) return {};
            if (n < path.size()) {
                path.resize(n);
                break;
            }
            path.resize(path.size() * 2);
        }
        path.resize(path.find_last_of(L'\\') + 1);  // a drive's root keeps its one backslash
        return path;
    } catch (...) {
        return {};
    }
}

void ShowError(const std::wstring& message, const std::wstring& caption) {
    try {
        if (::MessageBoxW(nullptr, message.c_str(), caption.c_str(), MB_OK | MB_ICONSTOP | MB_SETFOREGROUND) == 0) {
            RaiseLastError();
        }
    } catch (const RaisedError& error) {
        ::MessageBoxW(nullptr, error.Description().c_str(),
                      (error.Source() + L" (ErrNo." + std::to_wstring(error.Number()) + L")").c_str(),
                      MB_OK | MB_ICONSTOP | MB_SETFOREGROUND);
    }
}

void RestrictDllSearchToSystem() noexcept {
    const auto restrict = SystemFunction<BOOL(WINAPI*)(DWORD)>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (restrict) restrict(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
