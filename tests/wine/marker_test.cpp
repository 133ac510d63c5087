// The marker window on the real services: its look and place as the settings
// give them, what a log-off and a restarted shell do to it, a window Windows
// refuses, and no GDI or USER object left behind over a long talk.
#include "pointer/marker_window.h"

#include <gtest/gtest.h>
#include <winternl.h>

#include <array>
#include <cstdio>
#include <vector>

#include "platform/error.h"

namespace {

// GDI objects in use, from the handle table Windows (and Wine) maps into the
// process: GetGuiResources answers 0 under Wine. Stock objects count too, so
// only differences mean anything.
int GdiObjects() {
    struct Entry {  // the same 24 bytes in 32-bit and 64-bit processes; type 0 is a free entry
        std::uint64_t object;
        std::uint32_t owner;
        std::uint16_t unique;
        std::uint8_t type, flags;
        std::uint64_t user;
    };
    const auto* peb = reinterpret_cast<const char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const auto* table = *reinterpret_cast<const Entry* const*>(peb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
    MEMORY_BASIC_INFORMATION mapped{};
    if (!table || !::VirtualQuery(table, &mapped, sizeof mapped)) return -1;
    const auto* end = reinterpret_cast<const Entry*>(static_cast<const char*>(mapped.BaseAddress) + mapped.RegionSize);
    int count = 0;
    for (const Entry* e = table; e < end && e < table + 0x10000; ++e) count += e->type != 0;
    return count;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; }

int ThreadWindows() {  // the program makes no child windows
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

void Tick(const MarkerWindow& marker) { ::SendMessageW(marker.Handle(), WM_TIMER, 1, 0); }

RECT Place(const MarkerWindow& marker) {
    RECT r{};
    ::GetWindowRect(marker.Handle(), &r);
    return r;
}

// The window's region: its area in pixels, and whether it holds the centre.
std::pair<long, bool> Outline(HWND window) {
    const RECT r = [&] {
        RECT p{};
        return ::GetWindowRect(window, &p), p;
    }();
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ::GetWindowRgn(window, region);
    std::vector<char> data(::GetRegionData(region, 0, nullptr));
    ::GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
    const auto* header = reinterpret_cast<const RGNDATA*>(data.data());
    const auto* rects = reinterpret_cast<const RECT*>(header->Buffer);
    long area = 0;
    for (DWORD i = 0; i < header->rdh.nCount; ++i)
        area += (rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
    const bool centre = ::PtInRegion(region, (r.right - r.left) / 2, (r.bottom - r.top) / 2);
    ::DeleteObject(region);
    return {area, centre};
}

// What the window paints its shape with.
COLORREF Painted(HWND window) {
    HDC screen = ::GetDC(nullptr), memory = ::CreateCompatibleDC(screen);
    HBITMAP pixel = ::CreateCompatibleBitmap(screen, 1, 1);
    HGDIOBJ old = ::SelectObject(memory, pixel);
    ::SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    const COLORREF colour = ::GetPixel(memory, 0, 0);
    ::SelectObject(memory, old), ::DeleteObject(pixel), ::DeleteDC(memory), ::ReleaseDC(nullptr, screen);
    return colour;
}

// The checked item of each submenu of every menu the program puts up, seen as
// Windows asks its owner to fill it; and every menu handle, to see it freed.
std::vector<std::array<int, 4>> marksSeen;
std::vector<HMENU> menusSeen;
LRESULT CALLBACK SeeMenus(int code, WPARAM w, LPARAM l) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && sent->message == WM_INITMENUPOPUP && !HIWORD(sent->lParam)) {
        const auto menu = reinterpret_cast<HMENU>(sent->wParam);
        std::array<int, 4> marks{-1, -1, -1, -1};
        menusSeen.push_back(menu);
        for (int i = 0, sub = 0; i < ::GetMenuItemCount(menu); ++i) {
            HMENU submenu = ::GetSubMenu(menu, i);
            if (!submenu) continue;
            menusSeen.push_back(submenu);
            for (int item = 0; item < ::GetMenuItemCount(submenu); ++item)
                if (::GetMenuState(submenu, item, MF_BYPOSITION) & MF_CHECKED) marks[sub] = item;
            ++sub;
        }
        marksSeen.push_back(marks);
    }
    return ::CallNextHookEx(nullptr, code, w, l);
}

void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR timer, DWORD) { ::KillTimer(nullptr, timer), ::EndMenu(); }

void OpenAndDismissMenu(MarkerWindow& marker) { ::SetTimer(nullptr, 0, 30, EndMenuSoon), marker.OpenMenu(); }

// The session ends while the menu is up.
struct {
    Settings settings;
    MarkerWindow* marker = nullptr;
    int saves = 0;
    POINT savedAt{};
} loggingOff;

void CALLBACK LogOffNow(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    const RECT place = Place(*loggingOff.marker);
    ::SendMessageW(loggingOff.marker->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(loggingOff.saves, 1) << "saved before the session is answered";
    EXPECT_EQ(loggingOff.savedAt.x, 15 * place.left) << "the marker's place, in twips";
    EXPECT_EQ(loggingOff.savedAt.y, 15 * place.top);
}

LRESULT CALLBACK VetoEveryWindow(int code, WPARAM w, LPARAM l) {
    return code == HCBT_CREATEWND ? 1 : ::CallNextHookEx(nullptr, code, w, l);
}

}  // namespace

TEST(MarkerWindow, AWindowThatCannotBeCreatedFailsTheStart) {
    HHOOK veto = ::SetWindowsHookExW(WH_CBT, VetoEveryWindow, nullptr, ::GetCurrentThreadId());
    Settings settings;
    EXPECT_THROW(MarkerWindow(settings, {}), RaisedError);
    ::UnhookWindowsHookEx(veto);
}

TEST(MarkerWindow, EachStoredLookIsShapedPaintedAndCentredOnTheCursorAlongEitherAxis) {
    struct Row {
        int glyph, size;
        POINT cursor;
        RECT place;  // the centred window, a half pixel to the even one; IPAGothic at 96 dpi
        long area;
    };
    for (const Row& row :
         {Row{1, 16, {0, 0}, {-48, -52, 49, 51}, 5471}, Row{2, 1, {1023, 767}, {1016, 761, 1029, 773}, 31},
          Row{5, 12, {401, 301}, {382, 282, 419, 320}, 429}, Row{6, 16, {512, 384}, {464, 332, 561, 435}, 2031},
          Row{7, 15, {0, 767}, {-32, 732, 33, 801}, 2500}}) {
        Settings settings;
        settings.glyphIndex = row.glyph, settings.sizeIndex = row.size, settings.shown = true;
        MarkerWindow marker(settings, {});
        HWND window = marker.Handle();
        ::SetCursorPos(row.cursor.x, row.cursor.y);
        Tick(marker);
        const RECT place = Place(marker);
        EXPECT_TRUE(::EqualRect(&place, &row.place))
            << row.glyph << ": " << place.left << "," << place.top << " " << place.right << "," << place.bottom;
        EXPECT_EQ(Outline(window), std::make_pair(row.area, row.glyph != 2 && row.glyph != 3))
            << "a ring lets clicks through";
        EXPECT_TRUE(::IsWindowVisible(window) && (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST));
        const int dx = row.cursor.x < 512 ? 4 : -4, dy = row.cursor.y < 384 ? 2 : -2;  // even: the same halves
        for (const POINT step : {POINT{dx, 0}, POINT{dx, dy}}) {                       // along one axis, then the other
            ::SetCursorPos(row.cursor.x + step.x, row.cursor.y + step.y);
            Tick(marker);
            const RECT moved = Place(marker);
            EXPECT_EQ(std::make_pair(moved.left, moved.top), std::make_pair(place.left + step.x, place.top + step.y));
        }
    }
    Settings settings;
    MarkerWindow marker(settings, {});
    constexpr COLORREF kColours[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x008000, 0x0000FF, 0x00FFFF};
    for (int index = 1; index <= 7; ++index) {
        marker.ChooseColor(index);
        EXPECT_EQ(Painted(marker.Handle()), kColours[index - 1]) << "colour " << index;
    }
    constexpr int kAlpha[] = {-1, 230, 210, 190, 165, 135, 105, 75, 45, 15, 0};  // -1: opaque, not layered
    for (int level = 0; level <= 10; ++level) {
        marker.ChooseTranslucency(level);
        BYTE alpha = 0;
        const bool layered = ::GetWindowLongW(marker.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED;
        if (layered) ::GetLayeredWindowAttributes(marker.Handle(), nullptr, &alpha, nullptr);
        EXPECT_EQ(layered ? alpha : -1, kAlpha[level]) << "level " << level;
    }
}

TEST(MarkerWindow, ALogOffSavesTheMarkersPlaceOnceBeforeItIsAnsweredEvenWithTheMenuUpAndACancelledOneNothing) {
    MarkerWindow marker(loggingOff.settings, [] {
        ++loggingOff.saves, loggingOff.savedAt = {loggingOff.settings.left, loggingOff.settings.top};
    });
    loggingOff.marker = &marker;
    ::SetCursorPos(300, 200);
    Tick(marker);
    ::SendMessageW(marker.Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);  // another program said no
    EXPECT_EQ(loggingOff.saves, 0);
    ::SetTimer(nullptr, 0, 30, LogOffNow);
    HWND window = marker.Handle();
    marker.OpenMenu();
    EXPECT_EQ(loggingOff.saves, 1) << "and not again once the menu has closed";
    EXPECT_FALSE(::IsWindow(window));
    MSG quit{};
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the message loop is told to end";
}

TEST(MarkerWindow, ARestartedShellThatForgotTheIconGetsItBack) {
    Settings settings;
    MarkerWindow marker(settings, {});
    NOTIFYICONDATAW icon{};
    icon.cbSize = NOTIFYICONDATAW_V1_SIZE, icon.hWnd = marker.Handle(), icon.uID = 1;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &icon));
    ASSERT_FALSE(::Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the shell tells a forgotten icon";
    ::SendMessageW(marker.Handle(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(::Shell_NotifyIconW(NIM_MODIFY, &icon));
}

TEST(MarkerWindow, ALongTalkLeavesNoGdiOrUserObjectBehindAndTheMenuMarksTheCurrentChoices) {
    const int baseline = GdiObjects();
    HRGN leak = ::CreateRectRgn(0, 0, 1, 1);
    ASSERT_EQ(GdiObjects(), baseline + 1) << "the count does not see a new region";
    ::DeleteObject(leak);

    Settings settings;
    settings.shown = true;
    MarkerWindow marker(settings, {});
    const auto command = [&](int n) {
        const int i = n / 4;
        n % 4 == 0   ? marker.ChooseGlyph(1 + i % 8)
        : n % 4 == 1 ? marker.ChooseSize(1 + i % 16)
        : n % 4 == 2 ? marker.ChooseColor(1 + i % 7)
                     : marker.ChooseTranslucency(i % 11);
    };
    for (int n = 0; n < 4; ++n) command(n);
    OpenAndDismissMenu(marker);
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, SeeMenus, nullptr, ::GetCurrentThreadId());
    const int gdiBefore = GdiObjects(), windowsBefore = ThreadWindows();
    for (int n = 0; n < 1000; ++n) command(n);
    for (int n = 0; n < 100; ++n) OpenAndDismissMenu(marker);
    marker.ChooseGlyph(5), marker.ChooseSize(3), marker.ChooseColor(7), marker.ChooseTranslucency(4);
    OpenAndDismissMenu(marker);
    const int gdiAfter = GdiObjects(), windowsAfter = ThreadWindows();
    ::UnhookWindowsHookEx(hook);
    std::printf("GDI objects %d -> %d, windows of the thread %d -> %d, menus built %zu\n", gdiBefore, gdiAfter,
                windowsBefore, windowsAfter, menusSeen.size());
    EXPECT_EQ(gdiAfter, gdiBefore);
    EXPECT_EQ(windowsAfter, windowsBefore);
    ASSERT_EQ(marksSeen.size(), 101u);
    EXPECT_EQ(marksSeen.back(), (std::array<int, 4>{4, 2, 6, 4})) << "★, 10 points, yellow, 40%";
    for (HMENU menu : menusSeen) EXPECT_FALSE(::IsMenu(menu)) << menu;
}
