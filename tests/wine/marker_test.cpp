// The marker window on the real services: on top, its tray icon, its look and place, what arrives while its menu is up.
#include "pointer/marker_window.h"

#include <gtest/gtest.h>
#include <winternl.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "tray/tray_events.h"

namespace {

// From the process's GDI handle table (GetGuiResources answers 0 under Wine): 24-byte entries, the type at 14. A
// 32-bit Wine process has none in its PEB: objects are counted in the 64-bit run.
constexpr bool kCounts = sizeof(void*) == 8;
int GdiObjects() {
    const auto* peb = reinterpret_cast<const char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const auto* table = *reinterpret_cast<const char* const*>(peb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
    MEMORY_BASIC_INFORMATION mapped{};
    if (!table || !::VirtualQuery(table, &mapped, sizeof mapped)) return -1;
    const auto* end = static_cast<const char*>(mapped.BaseAddress) + mapped.RegionSize;
    int count = 0;
    for (const char* entry = table; entry + 24 <= end && entry < table + 24 * 0x10000; entry += 24)
        count += entry[14] != 0;
    return count;
}

RECT CentredAt(const MarkerWindow& marker, int x, int y) {
    ::SetCursorPos(x, y);
    ::SendMessageW(marker.Handle(), WM_TIMER, 1, 0);  // a tick
    RECT place{};
    ::GetWindowRect(marker.Handle(), &place);
    return place;
}

// The window's region is the glyph's outline, drawn here at that size and resolution.
bool OutlineOf(HWND window, const wchar_t* glyph, int points, int dpi = 96) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ font = ::SelectObject(dc, ::CreateFontW(-::MulDiv(points, dpi, 72), 0, 0, 0, FW_BOLD, 0, 0, 0,
                                                    SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ ゴシック"));
    ::SetBkMode(dc, TRANSPARENT), ::BeginPath(dc), ::TextOutW(dc, 0, 0, glyph, 1), ::EndPath(dc);
    HRGN drawn = ::PathToRegion(dc), shown = ::CreateRectRgn(0, 0, 0, 0);
    const bool same = ::GetWindowRgn(window, shown) != ERROR && ::EqualRgn(drawn, shown);
    ::DeleteObject(drawn), ::DeleteObject(shown), ::DeleteObject(::SelectObject(dc, font)), ::DeleteDC(dc);
    return same;
}

int CursorCount() {  // Windows' display count: the real cursor shows at 0 and above
    const int count = ::ShowCursor(FALSE) + 1;
    ::ShowCursor(TRUE);
    return count;
}

COLORREF Painted(HWND window) {
    HDC screen = ::GetDC(nullptr), memory = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(memory, ::CreateCompatibleBitmap(screen, 1, 1));
    ::SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    const COLORREF colour = ::GetPixel(memory, 0, 0);
    ::DeleteObject(::SelectObject(memory, old)), ::DeleteDC(memory), ::ReleaseDC(nullptr, screen);
    return colour;
}

void SendDpi(HWND window, WORD dpi) {
    RECT suggested{};  // the marker is centred on the cursor and needs none
    ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// While each menu is up: its handles and its submenus' (to see them go), their checks; maybe another monitor's dpi.
std::vector<HMENU> menusSeen;
std::array<int, 4> marks;
WORD dpiWhileUp;
void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    const auto menu = reinterpret_cast<HMENU>(::SendMessageW(::FindWindowW(L"#32768", nullptr), MN_GETHMENU, 0, 0));
    menusSeen.push_back(menu);
    for (int sub = 0; HMENU submenu = ::GetSubMenu(menu, sub + 2); ++sub) {  // after 表示/非表示 and a separator
        for (int item = 0; item < ::GetMenuItemCount(submenu); ++item)
            if (::GetMenuState(submenu, item, MF_BYPOSITION) & MF_CHECKED) marks[sub] = item;
        menusSeen.push_back(submenu);
    }
    if (dpiWhileUp) SendDpi(::FindWindowW(L"TrailglintMarker", nullptr), dpiWhileUp);
    ::EndMenu();
}

struct {
    HWND window;
    UINT ending;  // WM_CLOSE or WM_ENDSESSION
    int saves;
} menuUp;

void CALLBACK WhileTheMenuIsUp(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    for (LPARAM click : {WM_RBUTTONUP, WM_LBUTTONUP}) ::SendMessageW(menuUp.window, kTrayCallbackMessage, 1, click);
    EXPECT_TRUE(::IsWindowVisible(menuUp.window)) << "a tray click waits for the menu";
    ::SendMessageW(menuUp.window, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);  // another program said no
    EXPECT_EQ(menuUp.saves, 0);
    SendDpi(menuUp.window, 144);  // on another monitor: the place is saved in its twips
    SendDpi(menuUp.window, 0);    // not from Windows: ignored
    ::SendMessageW(menuUp.window, menuUp.ending, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(menuUp.saves, menuUp.ending == WM_ENDSESSION) << "saved before the session is answered";
    EXPECT_TRUE(::IsWindow(menuUp.window)) << "the window goes once the popup has returned";
    if (menuUp.ending == WM_CLOSE) ::EndMenu();
}

// The marker's ticks and timers as the message loop would run them; the longest one message held the thread up.
ULONGLONG Pump(ULONGLONG ms) {
    ULONGLONG longest = 0;
    for (const ULONGLONG end = ::GetTickCount64() + ms; ::GetTickCount64() < end; ::Sleep(1)) {
        for (MSG m; ::PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) {
            const ULONGLONG start = ::GetTickCount64();
            ::DispatchMessageW(&m);
            longest = std::max(longest, ::GetTickCount64() - start);
        }
    }
    return longest;
}

// A shell found before Wine's, on a thread of its own: takes or refuses, answers its first add late, may be slow.
struct {
    std::atomic<bool> takes, has;
    std::atomic<int> asked, added, slowMs;
} shell;
LRESULT CALLBACK FakeShell(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message != WM_COPYDATA) return ::DefWindowProcW(window, message, w, l);
    ::Sleep(shell.slowMs.exchange(0));
    const auto command = reinterpret_cast<const COPYDATASTRUCT*>(l)->dwData;  // NIM_ADD, NIM_MODIFY, NIM_DELETE
    const bool ok = shell.takes && (command == NIM_ADD ? !shell.has : shell.has.load());
    ++shell.asked, shell.added += ok && command == NIM_ADD, shell.has = ok ? command != NIM_DELETE : shell.has.load();
    return ok && !(command == NIM_ADD && shell.added == 1);
}

HWND marker, rival;  // the marker's raises are counted; an insisting rival takes the top back 30 ms after each
int raises;
bool insists;
void CALLBACK RivalOnTop(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ::SetWindowPos(rival, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
void CALLBACK EndMenuNow(HWND, UINT, UINT_PTR timer, DWORD) { ::KillTimer(nullptr, timer), ::EndMenu(); }
LRESULT CALLBACK CountRaises(int code, WPARAM w, LPARAM l) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && sent->hwnd == marker && sent->message == WM_WINDOWPOSCHANGING &&
        !(reinterpret_cast<const WINDOWPOS*>(sent->lParam)->flags & SWP_NOZORDER) && ++raises && insists)
        ::SetTimer(nullptr, 0, 30, RivalOnTop);
    return ::CallNextHookEx(nullptr, code, w, l);
}

// Shown over the marker, wherever it is, as a notification would be: not activated; maybe somewhere else.
HWND Over(const wchar_t* type, int offset = 0, HWND owner = nullptr) {
    static const WNDCLASSW kPopup{0, ::DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"Popup"};
    static const ATOM registered = ::RegisterClassW(&kPopup);
    HWND shown = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, type, L"", WS_POPUP, offset + 8, offset + 8, 1000,
                                   740, owner, nullptr, nullptr, nullptr);
    return ::ShowWindow(shown, SW_SHOWNA), static_cast<void>(registered), shown;
}

// A window made and served by a thread of its own, and gone with it; its owner's thread pumps meanwhile.
struct ThreadWindow {
    explicit ThreadWindow(std::function<HWND()> make)
        : loop([this, make] {
              window = make();
              for (MSG m; ::GetMessageW(&m, nullptr, 0, 0) > 0;) ::DispatchMessageW(&m);
              ::DestroyWindow(window);
          }) {
        while (!window) Pump(1);
    }
    ~ThreadWindow() { ::PostThreadMessageW(::GetWindowThreadProcessId(window, nullptr), WM_QUIT, 0, 0), loop.join(); }
    std::atomic<HWND> window = nullptr;
    std::thread loop;
};

}  // namespace

TEST(MarkerWindow, ComesBackAboveAnotherProgramsWindowButNotAboveWhatTheOneInFrontShowsNorFightsOneThatInsists) {
    Settings settings{.shown = true};
    MarkerWindow window(settings, {});
    marker = window.Handle(), CentredAt(window, 300, 300), ::SetForegroundWindow(::GetDesktopWindow());
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, CountRaises, nullptr, ::GetCurrentThreadId());
    const auto givesWay = [&](HWND shown, ULONGLONG ms) {
        raises = 0, Pump(ms);
        return raises == 0 && ::GetWindow(marker, GW_HWNDPREV) == shown;
    };
    for (const int row : {0, 1, 2}) {  // a menu, a hidden window, one away from the marker
        HWND shown = Over(row ? L"STATIC" : L"#32768", row == 2 ? -2000 : 0);
        if (row == 1) ::ShowWindow(shown, SW_HIDE);
        EXPECT_TRUE(givesWay(shown, 500)) << raises << " raises, row " << row;
        ::DestroyWindow(shown);
    }
    // In front, a captioned window of this thread: what it shows, of whatever class, is read; others' are met.
    HWND front = ::CreateWindowExW(0, L"STATIC", L"In front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 100, 200, 150,
                                   nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(front), Pump(100);
    HWND own = Over(L"Popup");  // its own, unowned: a toolkit's tooltip
    EXPECT_TRUE(givesWay(own, 1000)) << raises << " raises over the front thread's popup";
    ::DestroyWindow(own);
    {
        const ThreadWindow owned([&] { return Over(L"Popup", 0, front); });  // another thread's, owned by it
        EXPECT_TRUE(givesWay(owned.window, 1000)) << raises << " raises over its owned popup";
    }
    const ThreadWindow other([] { return Over(L"Popup"); });  // another program's: met, but not while a menu is up
    rival = other.window;
    EXPECT_EQ((givesWay(rival, 500), raises), 1);
    ::SetTimer(nullptr, 0, 30, RivalOnTop), ::SetTimer(nullptr, 0, 1000, EndMenuNow);
    const UniqueMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.get(), MF_STRING, 1, L"Item");
    raises = 0, ::TrackPopupMenu(menu.get(), TPM_RETURNCMD, 900, 700, 0, front, nullptr);  // away from the marker
    EXPECT_TRUE(raises == 0 && ::GetWindow(marker, GW_HWNDPREV) == rival) << raises << " raises under a menu";
    insists = true, Pump(2000);  // it takes the top back after each raise: left above; one shown later is met
    const ThreadWindow later([] { return Over(L"Popup"); });
    raises = 0, Pump(1000);
    EXPECT_TRUE(raises == 1 && ::GetWindow(marker, GW_HWNDPREV) == rival) << raises << " raises over a later one";
    // Wine sends the mouse's raw input to the foreground thread only: the desktop is in front again, as before.
    insists = false, ::SetForegroundWindow(::GetDesktopWindow()), ::DestroyWindow(front), ::UnhookWindowsHookEx(hook);
}

TEST(MarkerWindow, ABusySlowOrRestartedShellGetsTheIconOnceAndNeverHoldsTheMarkerUp) {
    const ThreadWindow shellWindow([] {
        const WNDCLASSW fake{0, FakeShell, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, L"Shell_TrayWnd"};
        ::RegisterClassW(&fake);
        return ::CreateWindowExW(0, L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    });
    Settings settings;
    std::optional<MarkerWindow> marker(std::in_place, settings, std::function<void()>{});  // the first add refused
    EXPECT_LE((Pump(3000), shell.asked.load()), 1 + 2 * 3) << "asks (a modify and an add) in three seconds";
    shell.slowMs = 4000, shell.takes = true;  // the next ask: four seconds, then taken, its answer late
    const UINT restarted = ::RegisterWindowMessageW(L"TaskbarCreated");
    Pump(1500), ::PostMessageW(marker->Handle(), restarted, 0, 0);  // while it is under way: asking already
    EXPECT_LT(Pump(6000), 50u) << "ms the marker stood still while the shell took four seconds";
    const int asked = shell.asked;
    Pump(1100);
    EXPECT_EQ(std::make_pair(shell.added.load(), shell.asked.load()), std::make_pair(1, asked)) << "added, once";
    shell.has = false, shell.added = 0, shell.slowMs = 1500;  // a restarted shell has forgotten it, slow to take it
    ::SendMessageW(marker->Handle(), restarted, 0, 0), Pump(300);
    marker.reset(), ::Sleep(2000);  // the quit stopped waiting for the ask: the add lands after the removal
    EXPECT_EQ(std::make_pair(shell.added.load(), shell.has.load()), std::make_pair(1, false)) << "re-added, removed";
}

TEST(MarkerWindow, EachLookIsTheGlyphAtItsSizeCentredAtEveryMouseReportAcrossMonitorsMenusAndClicksLeavingNoObject) {
    Settings settings{.shown = true};
    MarkerWindow marker(settings, {});
    EXPECT_TRUE(::IsWindowVisible(marker.Handle()) && (::GetWindowLongW(marker.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST));
    // ● at 72 points, 97 x 103: centred, a half pixel to the even one, off the corner; along one axis, then the other.
    for (const auto& [x, y, left, top] : {std::array{0, 0, -48, -52}, {4, 0, -44, -52}, {4, 2, -44, -50}}) {
        const RECT place = CentredAt(marker, x, y);
        EXPECT_TRUE(::EqualRect(&place, std::data({RECT{left, top, left + 97, top + 103}}))) << x << "," << y;
    }
    marker.ChooseGlyph(2), Pump(200);  // ○, with the pointer in its hole: over another window
    const RECT place = CentredAt(marker, 400, 300);
    ::KillTimer(marker.Handle(), 1);  // no more ticks: only the mouse's reports move it
    INPUT move{.type = INPUT_MOUSE, .mi = {40, 30, 0, MOUSEEVENTF_MOVE, 0, 0}};
    ::SendInput(1, &move, sizeof move), Pump(100);
    POINT cursor{};
    RECT moved{};
    ::GetCursorPos(&cursor), ::GetWindowRect(marker.Handle(), &moved);
    EXPECT_TRUE(cursor.x > 400 && cursor.y > 300);  // as far as Windows' acceleration takes it: even, like the halves
    EXPECT_EQ(std::make_pair(moved.left - place.left, moved.top - place.top),
              std::make_pair(cursor.x - 400, cursor.y - 300));
    const auto openAndDismissMenu = [&] { ::SetTimer(nullptr, 0, 30, EndMenuSoon), marker.OpenMenu(); };
    openAndDismissMenu();              // what Windows makes once, for menus
    const int objects = GdiObjects();  // each command, menu and monitor replaces what it made before
    constexpr const wchar_t* kTexts = L"●○◎▲★♪■↑";
    constexpr int kPoints[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    for (int row = 0; row < 24; ++row) {  // every glyph at 72 points, then ● at every size
        const int glyph = row < 8 ? row + 1 : 1, size = row < 8 ? 16 : row - 7;
        marker.ChooseGlyph(glyph), marker.ChooseSize(size);
        EXPECT_TRUE(OutlineOf(marker.Handle(), kTexts + glyph - 1, kPoints[size - 1])) << glyph << ", size " << size;
        EXPECT_EQ(CursorCount() >= 0, glyph == 2 || glyph == 3) << "the real cursor with glyph " << glyph;
    }
    ::SendMessageW(marker.Handle(), WM_SETCURSOR, 0, HTCLIENT);  // over the marker: a cursor with nothing to see
    ICONINFO image{};
    std::array<BYTE, 4 * 64> masks{};  // 32 x 32: the AND mask's rows, then the XOR mask's
    ASSERT_TRUE(::GetIconInfo(::GetCursor(), &image) && !image.hbmColor);
    ::GetBitmapBits(image.hbmMask, masks.size(), masks.data()), ::DeleteObject(image.hbmMask);
    EXPECT_EQ(std::count(masks.begin(), masks.begin() + 128, 0xFF) + std::count(masks.begin() + 128, masks.end(), 0),
              256);
    constexpr COLORREF kColours[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x008000, 0x0000FF, 0x00FFFF};
    for (int index = 1; index <= 7; ++index)
        EXPECT_EQ((marker.ChooseColor(index), Painted(marker.Handle())), kColours[index - 1]) << "colour " << index;
    constexpr int kAlpha[] = {-1, 230, 210, 190, 165, 135, 105, 75, 45, 15, 0};  // -1: opaque, not layered
    for (int level = 0; level <= 10; ++level) {
        BYTE alpha = 0;
        marker.ChooseTranslucency(level);
        const bool layered = ::GetLayeredWindowAttributes(marker.Handle(), nullptr, &alpha, nullptr);
        EXPECT_EQ(layered ? alpha : -1, kAlpha[level]) << "level " << level;
    }
    // To a monitor of 144 dpi while the menu is up, then back and forth: the same size in points, centred.
    marker.ChooseGlyph(1), marker.ChooseSize(16);
    RECT at = CentredAt(marker, 500, 400);
    dpiWhileUp = 144, openAndDismissMenu(), dpiWhileUp = 0, CentredAt(marker, 500, 400);  // the next tick
    for (int n = 0; n < 200; ++n) {
        const WORD dpi = n % 2 ? 96 : 144;
        if (n > 0) SendDpi(marker.Handle(), dpi);
        ::GetWindowRect(marker.Handle(), &at);
        EXPECT_LE(std::abs(at.left + at.right - 1000) + std::abs(at.top + at.bottom - 800), 2) << "centred";
        EXPECT_TRUE(n >= 2 || OutlineOf(marker.Handle(), L"●", 72, dpi)) << dpi;
    }
    EXPECT_TRUE(!kCounts || GdiObjects() == objects) << objects << " GDI objects before, " << GdiObjects() << " after";
    marker.ChooseGlyph(5), marker.ChooseSize(3), marker.ChooseColor(5), marker.ChooseTranslucency(4);
    openAndDismissMenu();
    ASSERT_EQ(menusSeen.size(), 3u * 5) << "each menu and its four submenus";
    EXPECT_EQ(marks, (std::array<int, 4>{4, 2, 4, 4})) << "★, 10 points, green, 40%";
    for (HMENU menu : menusSeen) EXPECT_FALSE(::IsMenu(menu)) << menu;
    UINT listening = 0;
    const auto shownAfter = [&](std::initializer_list<UINT> clicks) {
        for (const UINT message : clicks) ::SendMessageW(marker.Handle(), message, 0, 0);
        return ::IsWindowVisible(marker.Handle()) != FALSE;
    };
    EXPECT_FALSE(shownAfter({WM_LBUTTONDOWN, WM_LBUTTONUP})) << "a click hides it";
    SendDpi(marker.Handle(), 144);  // taken, hidden, to a monitor of another scale, then shown again on this one
    ::SendMessageW(marker.Handle(), kTrayCallbackMessage, 1, WM_LBUTTONUP);  // from the tray
    EXPECT_TRUE(OutlineOf(marker.Handle(), L"★", 10)) << "at this monitor's scale";
    const UINT_PTR endsAMenu = ::SetTimer(nullptr, 0, 30, EndMenuSoon);
    const std::size_t menus = menusSeen.size();
    EXPECT_TRUE(shownAfter({WM_LBUTTONUP, WM_RBUTTONUP}) && menusSeen.size() == menus) << "releases alone";
    ::KillTimer(nullptr, endsAMenu);
    EXPECT_FALSE(shownAfter({WM_MBUTTONDOWN, WM_MBUTTONUP})) << "a middle click hides it too";
    EXPECT_EQ(std::make_pair(::GetRegisteredRawInputDevices(nullptr, &listening, sizeof(RAWINPUTDEVICE)), listening),
              std::make_pair(0u, 0u));
}

TEST(MarkerWindow, WhatArrivesWhileTheMenuIsUpWaitsForItAndAnEndUnloadsOnceWithTheMarkersPlace) {
    for (const UINT ending : {WM_CLOSE, WM_ENDSESSION}) {
        Settings settings{.shown = true};
        POINT saved{};
        MarkerWindow marker(settings, [&] { ++menuUp.saves, saved = {settings.left, settings.top}; });
        menuUp = {marker.Handle(), ending, 0};
        const RECT place = CentredAt(marker, 300, 200);
        ::SetTimer(nullptr, 0, 30, WhileTheMenuIsUp);
        marker.OpenMenu();
        EXPECT_EQ(menuUp.saves, 1) << "once";
        EXPECT_EQ(std::make_pair(saved.x, saved.y), std::make_pair(10 * place.left, 10 * place.top)) << "in twips";
    }
}
