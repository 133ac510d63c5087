// What the end-to-end tests cannot read or do through X, from inside the Wine session, said on one line in UTF-16:
// peek foreground | msgbox CAPTION (its text) | close CLASS (posts WM_CLOSE).
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"", target = argc > 2 ? argv[2] : L"";
    std::wstring text(1024, L'\0');
    if (command == L"foreground") {
        text.resize(::GetWindowTextW(::GetForegroundWindow(), text.data(), 1024));
    } else if (command == L"msgbox") {  // Wine's text control id is not Windows' 0xFFFF: the longest Static text
        HWND box = ::FindWindowW(L"#32770", target.c_str());
        std::wstring longest;
        for (HWND c = nullptr; box && (c = ::FindWindowExW(box, c, L"Static", nullptr));) {
            text.resize(::GetWindowTextW(c, text.data(), 1024));
            if (text.size() > longest.size()) longest = text;
            text.resize(1024);
        }
        text = longest;
    } else if (command == L"close") {
        text = ::PostMessageW(::FindWindowW(target.c_str(), nullptr), WM_CLOSE, 0, 0) ? L"closing" : L"";
    } else {
        return 2;
    }
    text += L"\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size() * 2), &written, nullptr);
    return 0;
}
