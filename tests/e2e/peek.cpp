// Reads window state from inside the Wine session for the end-to-end tests,
// and does what the window manager or the session would do to a window.
//
//   peek find CLASS         one line per top-level window of the class:
//                              "HWND VISIBLE X Y WIDTH HEIGHT"
//   peek msgbox CAPTION     the message box with that caption: its text on
//                              the first line, "ok X Y" (the OK button's centre
//                              on screen) on the second; exit code 1 if none
//   peek close CLASS        asks each window of the class to close (WM_CLOSE)
//   peek endsession CLASS   tells each window of the class that the user logs off
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

void Print(const std::wstring& text) {
    const int n =
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    bytes += '\n';
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::vector<HWND> TopLevel(const wchar_t* windowClass) {
    std::vector<HWND> found;
    HWND after = nullptr;
    while ((after = ::FindWindowExW(nullptr, after, windowClass, nullptr)) != nullptr) found.push_back(after);
    return found;
}

int Find(const wchar_t* windowClass) {
    for (HWND w : TopLevel(windowClass)) {
        RECT r{};
        ::GetWindowRect(w, &r);
        Print(std::to_wstring(reinterpret_cast<std::uintptr_t>(w)) + L" " +
              std::to_wstring(::IsWindowVisible(w) ? 1 : 0) + L" " + std::to_wstring(r.left) + L" " +
              std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L" " +
              std::to_wstring(r.bottom - r.top));
    }
    return 0;
}

int MessageBoxState(const wchar_t* caption) {
    HWND box = ::FindWindowW(L"#32770", caption);
    if (!box) return 1;
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
    Print(text);
    HWND ok = ::FindWindowExW(box, nullptr, L"Button", nullptr);
    RECT r{};
    if (ok) ::GetWindowRect(ok, &r);
    Print(L"ok " + std::to_wstring((r.left + r.right) / 2) + L" " + std::to_wstring((r.top + r.bottom) / 2));
    return 0;
}

int Close(const wchar_t* windowClass) {
    for (HWND w : TopLevel(windowClass)) ::PostMessageW(w, WM_CLOSE, 0, 0);
    return 0;
}

int EndSession(const wchar_t* windowClass) {
    for (HWND w : TopLevel(windowClass)) {
        DWORD_PTR agreed = 0;
        ::SendMessageTimeoutW(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &agreed);
        Print(L"queryendsession " + std::to_wstring(agreed));
        if (agreed) {
            DWORD_PTR ignored = 0;
            ::SendMessageTimeoutW(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &ignored);
        }
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const std::wstring command = argv[1];
    if (command == L"find") return Find(argv[2]);
    if (command == L"msgbox") return MessageBoxState(argv[2]);
    if (command == L"close") return Close(argv[2]);
    if (command == L"endsession") return EndSession(argv[2]);
    return 2;
}
