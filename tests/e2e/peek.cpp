// Reads window state from inside the Wine session for the end-to-end tests,
// and does what the window manager or the session would do to a window.
//
//   peek find CLASS         one line per top-level window of the class:
//                              "HWND VISIBLE X Y WIDTH HEIGHT"
//   peek msgbox CAPTION     the message box with that caption: its text on
//                              the first line, "ok X Y" (the OK button's centre
//                              on screen) on the second; exit code 1 if none
//   peek window CLASS       the first window of the class: "visible V topmost T
//                              toolwindow W layered L alpha A" (alpha -1: not layered)
//   peek region CLASS GLYPH POINTS
//                              compares the window's region with the outline of
//                              GLYPH in bold "ＭＳ ゴシック" at POINTS, built here:
//                              "equal E area A centre C extent W H size W H"
//   peek app LOGFILE        the user's own application: a plain window titled
//                              "Presentation" covering the screen, which
//                              appends "click X Y" to LOGFILE for each left click
//                              it receives and "key K" for each key; runs until closed
//   peek children TITLE     one line per child window of the top-level window
//                              titled TITLE: "CLASS VISIBLE X Y WIDTH HEIGHT"
//   peek broadcast MESSAGE  sends the registered MESSAGE to every top-level window,
//                              as the shell does with "TaskbarCreated"
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

HWND First(const wchar_t* windowClass) {
    const std::vector<HWND> all = TopLevel(windowClass);
    return all.empty() ? nullptr : all.front();
}

int Window(const wchar_t* windowClass) {
    HWND w = First(windowClass);
    if (!w) return 1;
    const LONG_PTR exStyle = ::GetWindowLongPtrW(w, GWL_EXSTYLE);
    BYTE alpha = 0;
    DWORD flags = 0;
    const bool layered = (exStyle & WS_EX_LAYERED) != 0;
    if (layered) ::GetLayeredWindowAttributes(w, nullptr, &alpha, &flags);
    Print(L"visible " + std::to_wstring(::IsWindowVisible(w) ? 1 : 0) + L" topmost " +
          std::to_wstring((exStyle & WS_EX_TOPMOST) ? 1 : 0) + L" toolwindow " +
          std::to_wstring((exStyle & WS_EX_TOOLWINDOW) ? 1 : 0) + L" layered " + std::to_wstring(layered ? 1 : 0) +
          L" alpha " + std::to_wstring((layered && (flags & LWA_ALPHA)) ? alpha : -1));
    return 0;
}

long long Area(HRGN region) {
    const DWORD size = ::GetRegionData(region, 0, nullptr);
    std::vector<BYTE> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (!size || !::GetRegionData(region, size, data)) return 0;
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    long long area = 0;
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        area += static_cast<long long>(rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
    }
    return area;
}

// The reference: the glyph's outline in the marker's font, built independently.
int Region(const wchar_t* windowClass, const wchar_t* glyph, int points) {
    HWND w = First(windowClass);
    if (!w) return 1;
    HRGN actual = ::CreateRectRgn(0, 0, 0, 0);
    ::GetWindowRgn(w, actual);

    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    HFONT font =
        ::CreateFontW(-::MulDiv(points, dpi, 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"ＭＳ ゴシック");
    HGDIOBJ old = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    const int length = static_cast<int>(wcslen(glyph));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, glyph, length, &extent);
    ::BeginPath(dc);
    ::TextOutW(dc, 0, 0, glyph, length);
    ::EndPath(dc);
    HRGN expected = ::PathToRegion(dc);

    RECT bounds{};
    ::GetWindowRect(w, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    Print(L"equal " + std::to_wstring(::EqualRgn(actual, expected) ? 1 : 0) + L" area " +
          std::to_wstring(Area(actual)) + L" centre " +
          std::to_wstring(::PtInRegion(actual, width / 2, height / 2) ? 1 : 0) + L" extent " +
          std::to_wstring(extent.cx) + L" " + std::to_wstring(extent.cy) + L" size " + std::to_wstring(width) + L" " +
          std::to_wstring(height));

    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::DeleteObject(expected);
    ::DeleteObject(actual);
    ::DeleteDC(dc);
    return 0;
}

FILE* appLog = nullptr;

LRESULT CALLBACK AppProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            std::fprintf(appLog, "click %d %d\n", static_cast<short>(LOWORD(lParam)),
                         static_cast<short>(HIWORD(lParam)));
            std::fflush(appLog);
            return 0;
        case WM_KEYDOWN:
            std::fprintf(appLog, "key %u\n", static_cast<unsigned>(wParam));
            std::fflush(appLog);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

int App(const wchar_t* logFile) {
    appLog = _wfopen(logFile, L"a");
    if (!appLog) return 1;
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
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    std::fclose(appLog);
    return 0;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    wchar_t name[256] = {};
    ::GetClassNameW(child, name, 256);
    RECT r{};
    ::GetWindowRect(child, &r);
    Print(std::wstring(name) + L" " + std::to_wstring(::IsWindowVisible(child) ? 1 : 0) + L" " +
          std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L" " +
          std::to_wstring(r.bottom - r.top));
    return TRUE;
}

int Children(const wchar_t* title) {
    HWND parent = ::FindWindowW(nullptr, title);
    if (!parent) return 1;
    ::EnumChildWindows(parent, PrintChild, 0);
    return 0;
}

int Broadcast(const wchar_t* name) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, ::RegisterWindowMessageW(name), 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
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
    if (argc == 5 && std::wstring(argv[1]) == L"region") return Region(argv[2], argv[3], _wtoi(argv[4]));
    if (argc != 3) return 2;
    const std::wstring command = argv[1];
    if (command == L"window") return Window(argv[2]);
    if (command == L"app") return App(argv[2]);
    if (command == L"children") return Children(argv[2]);
    if (command == L"broadcast") return Broadcast(argv[2]);
    if (command == L"find") return Find(argv[2]);
    if (command == L"msgbox") return MessageBoxState(argv[2]);
    if (command == L"close") return Close(argv[2]);
    if (command == L"endsession") return EndSession(argv[2]);
    return 2;
}
