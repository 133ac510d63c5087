// Reads window state from inside the Wine session for the end-to-end tests,
// and does what the session or another program would do to a window.
//
//   peek find CLASS            "HWND VISIBLE X Y WIDTH HEIGHT TOPMOST" per top-level window of the class
//   peek children TITLE        "child VISIBLE X Y WIDTH HEIGHT TOPMOST" per child of the window titled TITLE
//   peek msgbox CAPTION        the box's text, then "ok X Y" (its OK button's centre); exit 1 if none
//   peek region CLASS GLYPH POINTS
//                              the window's region against GLYPH's outline in bold "ＭＳ ゴシック"
//                              at POINTS, built here: "equal E centre C extent W H size W H"
//   peek foreground            the title of the foreground window
//   peek app LOGFILE           a window "Presentation" covering the screen, logging "click X Y" per left click
//   peek broadcast MESSAGE     sends the registered MESSAGE to every top-level window
//   peek close CLASS           WM_CLOSE to each window of the class
//   peek endsession CLASS      WM_QUERYENDSESSION, then WM_ENDSESSION if agreed, to each window of
//                              the class; "box:CAPTION": to every top-level window of the process
//                              showing that message box
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

void Print(const std::wstring& text) {  // as UTF-8, one line
    std::string bytes(text.size() * 4, '\0');
    bytes.resize(::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                                       static_cast<int>(bytes.size()), nullptr, nullptr));
    std::fputs((bytes + '\n').c_str(), stdout);
}

std::wstring Numbers(std::initializer_list<long long> values) {
    std::wstring out;
    for (long long v : values) out += (out.empty() ? L"" : L" ") + std::to_wstring(v);
    return out;
}

std::wstring Place(HWND w) {
    RECT r{};
    ::GetWindowRect(w, &r);
    const bool topmost = (::GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    return Numbers({::IsWindowVisible(w) ? 1 : 0, r.left, r.top, r.right - r.left, r.bottom - r.top, topmost ? 1 : 0});
}

std::vector<HWND> TopLevel(const std::wstring& windowClass) {
    std::vector<HWND> found;
    if (windowClass.rfind(L"box:", 0) == 0) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(::FindWindowW(L"#32770", windowClass.substr(4).c_str()), &pid);
        for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(w, &owner);
            if (pid && owner == pid) found.push_back(w);
        }
        return found;
    }
    for (HWND w = nullptr; (w = ::FindWindowExW(nullptr, w, windowClass.c_str(), nullptr));) found.push_back(w);
    return found;
}

int Region(HWND w, const wchar_t* glyph, int points) {
    HRGN actual = ::CreateRectRgn(0, 0, 0, 0);
    ::GetWindowRgn(w, actual);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HFONT font = ::CreateFontW(-::MulDiv(points, ::GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_BOLD, FALSE, FALSE,
                               FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ ゴシック");
    HGDIOBJ old = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    const int length = static_cast<int>(wcslen(glyph));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, glyph, length, &extent);
    ::BeginPath(dc);
    ::TextOutW(dc, 0, 0, glyph, length);
    ::EndPath(dc);
    HRGN expected = ::PathToRegion(dc);
    RECT r{};
    ::GetWindowRect(w, &r);
    const long width = r.right - r.left, height = r.bottom - r.top;
    Print(L"equal " + Numbers({::EqualRgn(actual, expected) ? 1 : 0}) + L" centre " +
          Numbers({::PtInRegion(actual, width / 2, height / 2) ? 1 : 0}) + L" extent " +
          Numbers({extent.cx, extent.cy}) + L" size " + Numbers({width, height}));
    ::DeleteObject(::SelectObject(dc, old));
    ::DeleteObject(expected);
    ::DeleteObject(actual);
    ::DeleteDC(dc);
    return 0;
}

FILE* appLog = nullptr;

LRESULT CALLBACK AppProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) {
        std::fprintf(appLog, "click %d %d\n", static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        std::fflush(appLog);
    }
    if (message == WM_DESTROY) ::PostQuitMessage(0);
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

int App(const wchar_t* logFile) {
    appLog = _wfopen(logFile, L"a");
    WNDCLASSW wc{};
    wc.lpfnWndProc = AppProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = L"TrailglintTestApp";
    ::RegisterClassW(&wc);
    HWND w = ::CreateWindowExW(0, wc.lpszClassName, L"Presentation", WS_POPUP | WS_VISIBLE, 0, 0,
                               ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                               wc.hInstance, nullptr);
    ::SetForegroundWindow(w);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    const std::wstring target = argc > 2 ? argv[2] : L"";
    if (command == L"foreground") {
        wchar_t title[256] = {};
        ::GetWindowTextW(::GetForegroundWindow(), title, 256);
        Print(title);
    } else if (command == L"find") {
        for (HWND w : TopLevel(target)) Print(Numbers({reinterpret_cast<long long>(w)}) + L" " + Place(w));
    } else if (command == L"children") {
        HWND parent = ::FindWindowW(nullptr, target.c_str());
        for (HWND c = parent ? ::GetWindow(parent, GW_CHILD) : nullptr; c; c = ::GetWindow(c, GW_HWNDNEXT)) {
            Print(L"child " + Place(c));
        }
    } else if (command == L"msgbox") {
        HWND box = ::FindWindowW(L"#32770", target.c_str());
        if (!box) return 1;
        // Wine's text control id is not Windows' 0xFFFF: take the longest Static text.
        std::wstring text;
        for (HWND c = nullptr; (c = ::FindWindowExW(box, c, L"Static", nullptr));) {
            wchar_t buffer[1024] = {};
            ::GetWindowTextW(c, buffer, 1024);
            if (wcslen(buffer) > text.size()) text = buffer;
        }
        RECT r{};
        ::GetWindowRect(::FindWindowExW(box, nullptr, L"Button", nullptr), &r);
        Print(text);
        Print(L"ok " + Numbers({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
    } else if (command == L"region" && argc == 5) {
        const std::vector<HWND> windows = TopLevel(target);
        return windows.empty() ? 1 : Region(windows.front(), argv[3], _wtoi(argv[4]));
    } else if (command == L"app") {
        return App(target.c_str());
    } else if (command == L"broadcast") {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(HWND_BROADCAST, ::RegisterWindowMessageW(target.c_str()), 0, 0, SMTO_ABORTIFHUNG, 5000,
                              &ignored);
    } else if (command == L"close") {
        for (HWND w : TopLevel(target)) ::PostMessageW(w, WM_CLOSE, 0, 0);
    } else if (command == L"endsession") {
        for (HWND w : TopLevel(target)) {
            DWORD_PTR agreed = 0, ignored = 0;
            ::SendMessageTimeoutW(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &agreed);
            Print(L"queryendsession " + Numbers({static_cast<long long>(agreed)}));
            if (agreed)
                ::SendMessageTimeoutW(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &ignored);
        }
    } else {
        return 2;
    }
    return 0;
}
