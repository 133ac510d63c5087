// What the end-to-end tests cannot read or do through X, from inside the Wine
// session.
//
//   peek foreground          the title of the foreground window
//   peek msgbox CAPTION      the text of the message box with that caption
//   peek post CLASS MSG LP   posts the message MSG with LP to each window of the class
//   peek hold FILE           opens FILE without delete sharing, as a virus scanner would, says "held"
//                            and keeps it open until the process is killed
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void Print(const std::wstring& text) {  // as UTF-8, one line
    std::string bytes(text.size() * 4, '\0');
    bytes.resize(::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                                       static_cast<int>(bytes.size()), nullptr, nullptr));
    std::fputs((bytes + '\n').c_str(), stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"", target = argc > 2 ? argv[2] : L"";
    if (command == L"foreground") {
        wchar_t title[256] = {};
        ::GetWindowTextW(::GetForegroundWindow(), title, 256);
        Print(title);
    } else if (command == L"msgbox") {
        // Wine's text control id is not Windows' 0xFFFF: take the longest Static text.
        std::wstring text;
        HWND box = ::FindWindowW(L"#32770", target.c_str());
        for (HWND c = nullptr; box && (c = ::FindWindowExW(box, c, L"Static", nullptr));) {
            wchar_t buffer[1024] = {};
            ::GetWindowTextW(c, buffer, 1024);
            if (wcslen(buffer) > text.size()) text = buffer;
        }
        Print(text);
    } else if (command == L"post" && argc == 5) {
        const auto message = static_cast<UINT>(std::stoul(argv[3], nullptr, 0));
        for (HWND w = nullptr; (w = ::FindWindowExW(nullptr, w, target.c_str(), nullptr));)
            ::PostMessageW(w, message, 0, std::stol(argv[4], nullptr, 0));
    } else if (command == L"hold") {
        HANDLE file = ::CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 1;
        Print(L"held");
        std::fflush(stdout);
        ::Sleep(INFINITE);
    } else {
        return 2;
    }
    return 0;
}
