// Reads window state from inside the Wine session for the end-to-end tests,
// and does to windows what the session or another program would do.
//
//   peek find CLASS          "HWND VISIBLE X Y WIDTH HEIGHT TOPMOST CENTRE AREA" per top-level window of
//                            the class: whether its region holds its centre, and the region's pixels
//                            (1 and 0 with no region)
//   peek children TITLE      "child VISIBLE X Y WIDTH HEIGHT TOPMOST 1 0" per child of the window titled TITLE
//   peek msgbox CAPTION      the box's text, then "ok X Y", its OK button's centre; exit 1 if none
//   peek foreground          the title of the foreground window
//   peek post CLASS MSG LP   posts MSG (a number, or a name to register) to each window of the class
//   peek endsession CLASS    WM_QUERYENDSESSION, then WM_ENDSESSION if agreed, to each window of the class;
//                            returns once WM_ENDSESSION has been answered
//   peek app                 a window "Presentation" covering the screen, as the user's own application
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

std::wstring Place(HWND w) {
    RECT r{};
    ::GetWindowRect(w, &r);
    const long width = r.right - r.left, height = r.bottom - r.top;
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const bool centre = ::GetWindowRgn(w, region) == ERROR || ::PtInRegion(region, width / 2, height / 2);
    std::vector<char> data(::GetRegionData(region, 0, nullptr));
    long area = 0;
    if (!data.empty() &&
        ::GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()))) {
        const auto* rgn = reinterpret_cast<const RGNDATA*>(data.data());
        const auto* rects = reinterpret_cast<const RECT*>(rgn->Buffer);
        for (DWORD i = 0; i < rgn->rdh.nCount; ++i)
            area += (rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
    }
    ::DeleteObject(region);
    std::wstring out;
    for (long v : {long{::IsWindowVisible(w)}, r.left, r.top, width, height,
                   long{(::GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0}, long{centre}, area}) {
        out += L" " + std::to_wstring(v);
    }
    return out;
}

std::vector<HWND> TopLevel(const std::wstring& windowClass) {
    std::vector<HWND> found;
    for (HWND w = nullptr; (w = ::FindWindowExW(nullptr, w, windowClass.c_str(), nullptr));) found.push_back(w);
    return found;
}

int App() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = L"TrailglintTestApp";
    ::RegisterClassW(&wc);
    ::SetForegroundWindow(::CreateWindowExW(0, wc.lpszClassName, L"Presentation", WS_POPUP | WS_VISIBLE, 0, 0,
                                            ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), nullptr,
                                            nullptr, nullptr, nullptr));
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    return 0;
}

UINT Message(const std::wstring& name) {
    return iswdigit(name[0]) ? static_cast<UINT>(std::stoul(name, nullptr, 0)) : ::RegisterWindowMessageW(name.c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"", target = argc > 2 ? argv[2] : L"";
    if (command == L"foreground") {
        wchar_t title[256] = {};
        ::GetWindowTextW(::GetForegroundWindow(), title, 256);
        Print(title);
    } else if (command == L"find") {
        for (HWND w : TopLevel(target)) Print(std::to_wstring(reinterpret_cast<std::uintptr_t>(w)) + Place(w));
    } else if (command == L"children") {
        HWND parent = ::FindWindowW(nullptr, target.c_str());
        for (HWND c = parent ? ::GetWindow(parent, GW_CHILD) : nullptr; c; c = ::GetWindow(c, GW_HWNDNEXT)) {
            Print(L"child" + Place(c));
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
        Print(L"ok " + std::to_wstring((r.left + r.right) / 2) + L" " + std::to_wstring((r.top + r.bottom) / 2));
    } else if (command == L"post" && argc == 5) {
        for (HWND w : TopLevel(target)) ::PostMessageW(w, Message(argv[3]), 0, std::stol(argv[4], nullptr, 0));
    } else if (command == L"endsession") {
        for (HWND w : TopLevel(target)) {
            DWORD_PTR agreed = 0, ignored = 0;
            ::SendMessageTimeoutW(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &agreed);
            Print(L"queryendsession " + std::to_wstring(agreed));
            if (agreed)
                ::SendMessageTimeoutW(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &ignored);
        }
    } else if (command == L"app") {
        return App();
    } else {
        return 2;
    }
    return 0;
}
