// The marker window on the real services: its look and place, what arrives while its menu is up, a long talk.
#include "pointer/marker_window.h"

#include <gtest/gtest.h>
#include <winternl.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tray/tray_events.h"

namespace {

// From the process's GDI handle table (GetGuiResources answers 0 under Wine): 24-byte entries, the type at 14.
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

std::pair<long, bool> Outline(HWND window, const RECT& place) {  // the region's pixels; whether it holds the centre
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ::GetWindowRgn(window, region);
    const long w = place.right - place.left, h = place.bottom - place.top;
    long area = 0;
    for (long i = 0; i < w * h; ++i) area += ::PtInRegion(region, i % w, i / w);
    const bool centre = ::PtInRegion(region, w / 2, h / 2);
    ::DeleteObject(region);
    return {area, centre};
}

COLORREF Painted(HWND window) {
    HDC screen = ::GetDC(nullptr), memory = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(memory, ::CreateCompatibleBitmap(screen, 1, 1));
    ::SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    const COLORREF colour = ::GetPixel(memory, 0, 0);
    ::DeleteObject(::SelectObject(memory, old)), ::DeleteDC(memory), ::ReleaseDC(nullptr, screen);
    return colour;
}

// Each menu the program puts up, as Windows asks to fill it: its submenus' checked items, and the handles.
std::vector<std::array<int, 4>> marksSeen;
std::vector<HMENU> menusSeen;
LRESULT CALLBACK SeeMenus(int code, WPARAM w, LPARAM l) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && sent->message == WM_INITMENUPOPUP) {
        const auto menu = reinterpret_cast<HMENU>(sent->wParam);
        std::array<int, 4> marks{};
        menusSeen.push_back(menu);
        for (int i = 0, sub = 0; i < ::GetMenuItemCount(menu); ++i) {
            if (HMENU submenu = ::GetSubMenu(menu, i)) {
                for (int item = 0; item < ::GetMenuItemCount(submenu); ++item)
                    if (::GetMenuState(submenu, item, MF_BYPOSITION) & MF_CHECKED) marks[sub] = item;
                ++sub, menusSeen.push_back(submenu);
            }
        }
        marksSeen.push_back(marks);
    }
    return ::CallNextHookEx(nullptr, code, w, l);
}

void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR timer, DWORD) { ::KillTimer(nullptr, timer), ::EndMenu(); }

void SendDpi(HWND window, WORD dpi) {
    RECT suggested{};  // the marker is centred on the cursor and needs none
    ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

struct MenuUp {
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

}  // namespace

TEST(MarkerWindow, EachStoredLookIsShapedPaintedAndCentredOnTheCursorAlongEitherAxis) {
    struct Row {
        int glyph, size;
        POINT cursor;
        RECT place;  // centred, a half pixel to the even one; IPAGothic at 96 dpi
        long area;
    };
    for (const Row& row :
         {Row{1, 16, {0, 0}, {-48, -52, 49, 51}, 5471}, Row{2, 1, {1023, 767}, {1016, 761, 1029, 773}, 31},
          Row{5, 12, {401, 301}, {382, 282, 419, 320}, 429}, Row{6, 16, {512, 384}, {464, 332, 561, 435}, 2031},
          Row{7, 15, {0, 767}, {-32, 732, 33, 801}, 2500}}) {
        Settings settings;
        settings.glyphIndex = row.glyph, settings.sizeIndex = row.size, settings.shown = true;
        MarkerWindow marker(settings, {});
        const RECT place = CentredAt(marker, row.cursor.x, row.cursor.y);
        EXPECT_TRUE(::EqualRect(&place, &row.place)) << row.glyph << ": " << place.left << "," << place.top;
        EXPECT_EQ(Outline(marker.Handle(), place), std::make_pair(row.area, row.glyph != 2 && row.glyph != 3))
            << "a ring lets clicks through its centre";
        EXPECT_TRUE(::IsWindowVisible(marker.Handle()) &&
                    (::GetWindowLongW(marker.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST));
        const int dx = row.cursor.x < 512 ? 4 : -4, dy = row.cursor.y < 384 ? 2 : -2;  // even: the same halves
        for (const POINT step : {POINT{dx, 0}, POINT{dx, dy}}) {                       // one axis, then the other
            const RECT moved = CentredAt(marker, row.cursor.x + step.x, row.cursor.y + step.y);
            EXPECT_EQ(std::make_pair(moved.left, moved.top), std::make_pair(place.left + step.x, place.top + step.y));
        }
    }
    Settings settings;
    MarkerWindow marker(settings, {});
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
}

TEST(MarkerWindow, WhatArrivesWhileTheMenuIsUpWaitsForItAndAnEndUnloadsOnceWithTheMarkersPlace) {
    for (const UINT ending : {WM_CLOSE, WM_ENDSESSION}) {
        Settings settings;
        settings.shown = true;
        POINT saved{};
        MarkerWindow marker(settings, [&] { ++menuUp.saves, saved = {settings.left, settings.top}; });
        menuUp = {marker.Handle(), ending, 0};
        const RECT place = CentredAt(marker, 300, 200);
        ::SetTimer(nullptr, 0, 30, WhileTheMenuIsUp);
        marker.OpenMenu();
        EXPECT_EQ(menuUp.saves, 1) << "once";
        EXPECT_EQ(std::make_pair(saved.x, saved.y), std::make_pair(10 * place.left, 10 * place.top)) << "in twips";
        EXPECT_FALSE(::IsWindow(menuUp.window));
        MSG quit{};
        EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the message loop is told to end";
    }
}

TEST(MarkerWindow, ALongTalkAcrossMonitorsAndAShellRestartLeaveNoObjectBehindAndTheMenuMarksTheChoices) {
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
    const auto openAndDismissMenu = [&] { ::SetTimer(nullptr, 0, 30, EndMenuSoon), marker.OpenMenu(); };
    for (int n = 0; n < 4; ++n) command(n);
    openAndDismissMenu();
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, SeeMenus, nullptr, ::GetCurrentThreadId());
    const int gdiBefore = GdiObjects();
    for (int n = 0; n < 1000; ++n) command(n);
    for (int n = 0; n < 100; ++n) openAndDismissMenu();
    // To a monitor of 144 dpi and back, a hundred times: the same size in points, centred.
    marker.ChooseGlyph(1), marker.ChooseSize(16);
    RECT place = CentredAt(marker, 500, 400);
    const long area96 = Outline(marker.Handle(), place).first;
    for (int n = 0; n < 200; ++n) {
        const WORD dpi = n % 2 ? 96 : 144;
        SendDpi(marker.Handle(), dpi);
        ::GetWindowRect(marker.Handle(), &place);
        EXPECT_LE(std::abs(place.left + place.right - 1000) + std::abs(place.top + place.bottom - 800), 2) << "centred";
        if (n < 2) {  // the outline's pixels grow by (144 / 96)² and come back
            EXPECT_NEAR(Outline(marker.Handle(), place).first, area96 * dpi * dpi / (96.0 * 96), area96 / 40.0) << dpi;
        }
    }
    marker.ChooseGlyph(5), marker.ChooseSize(3), marker.ChooseColor(7), marker.ChooseTranslucency(4);
    openAndDismissMenu();
    const int gdiAfter = GdiObjects();
    ::UnhookWindowsHookEx(hook);
    std::printf("GDI objects %d -> %d, menus built %zu\n", gdiBefore, gdiAfter, menusSeen.size());
    EXPECT_EQ(gdiAfter, gdiBefore);
    ASSERT_EQ(marksSeen.size(), 101u);
    EXPECT_EQ(marksSeen.back(), (std::array<int, 4>{4, 2, 6, 4})) << "★, 10 points, yellow, 40%";
    for (HMENU menu : menusSeen) EXPECT_FALSE(::IsMenu(menu)) << menu;
    EXPECT_NE(CentredAt(marker, 600, 500).left, CentredAt(marker, 700, 500).left) << "following again after a menu";
    NOTIFYICONDATAW icon{};  // a restarted shell that has forgotten the icon
    icon.cbSize = NOTIFYICONDATAW_V1_SIZE, icon.hWnd = marker.Handle(), icon.uID = 1;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &icon) && !::Shell_NotifyIconW(NIM_MODIFY, &icon));
    ::SendMessageW(marker.Handle(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(::Shell_NotifyIconW(NIM_MODIFY, &icon)) << "gets it back";
}
