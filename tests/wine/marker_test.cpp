// The marker window on the real services: a window Windows refuses fails the
// start, and a long talk's worth of commands and menus leaves no GDI or USER
// object behind.
#include <gtest/gtest.h>
#include <winternl.h>

#include <cstdio>
#include <set>

#include "platform/error.h"
#include "pointer/marker_window.h"

namespace {

// GDI objects in use, from the handle table Windows (and Wine) maps into the
// process: GetGuiResources answers 0 under Wine. Stock objects count too, so
// only differences mean anything.
int GdiObjects() {
    struct Entry {  // the same 24 bytes in 32-bit and 64-bit processes
        std::uint64_t object;
        std::uint32_t owner;
        std::uint16_t unique;
        std::uint8_t type, flags;  // type 0: a free entry
        std::uint64_t user;
    };
    static_assert(sizeof(Entry) == 24);
    const auto* peb = reinterpret_cast<const unsigned char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const auto* table = *reinterpret_cast<const Entry* const*>(peb + (sizeof(void*) == 8 ? 0xF8 : 0x94));
    if (!table) return -1;
    MEMORY_BASIC_INFORMATION mapped{};
    ::VirtualQuery(table, &mapped, sizeof mapped);
    const auto end = static_cast<const unsigned char*>(mapped.BaseAddress) + mapped.RegionSize;
    const std::size_t entries = (end - reinterpret_cast<const unsigned char*>(table)) / sizeof(Entry);
    int count = 0;
    for (std::size_t i = 0; i < entries && i < 0x10000; ++i) count += table[i].type != 0;
    return count;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; }

int ThreadWindows() {  // the program makes no child windows
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Every menu the program puts up, seen as Windows asks its owner to fill it.
std::set<HMENU> menusSeen;
LRESULT CALLBACK SeeMenus(int code, WPARAM w, LPARAM l) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && sent->message == WM_INITMENUPOPUP) {
        const auto menu = reinterpret_cast<HMENU>(sent->wParam);
        menusSeen.insert(menu);
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            if (HMENU sub = ::GetSubMenu(menu, i)) menusSeen.insert(sub);
        }
    }
    return ::CallNextHookEx(nullptr, code, w, l);
}

void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ::EndMenu();
}

void OpenAndDismissMenu(MarkerWindow& marker) {
    ::SetTimer(nullptr, 0, 30, EndMenuSoon);
    marker.OpenMenu();
}

LRESULT CALLBACK VetoEveryWindow(int code, WPARAM w, LPARAM l) {
    return code == HCBT_CREATEWND ? 1 : ::CallNextHookEx(nullptr, code, w, l);
}

}  // namespace

TEST(MarkerWindow, AWindowThatCannotBeCreatedFailsTheStart) {
    HHOOK veto = ::SetWindowsHookExW(WH_CBT, VetoEveryWindow, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(veto, nullptr);
    Settings settings;
    EXPECT_THROW(MarkerWindow(settings, L""), RaisedError);
    ::UnhookWindowsHookEx(veto);
}

TEST(MarkerWindow, ALongTalkLeavesNoGdiOrUserObjectBehind) {
    // The count sees an object come and go.
    const int baseline = GdiObjects();
    ASSERT_GE(baseline, 0) << "no GDI handle table";
    HRGN leak = ::CreateRectRgn(0, 0, 1, 1);
    ASSERT_EQ(GdiObjects(), baseline + 1) << "the count does not see a new region";
    ::DeleteObject(leak);
    ASSERT_EQ(GdiObjects(), baseline);

    Settings settings;
    settings.shown = true;
    MarkerWindow marker(settings, L"");
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, SeeMenus, nullptr, ::GetCurrentThreadId());
    const auto command = [&](int n) {
        switch (n % 4) {
            case 0:
                marker.ChooseGlyph(1 + n / 4 % 8);
                break;
            case 1:
                marker.ChooseSize(1 + n / 4 % 16);
                break;
            case 2:
                marker.ChooseColor(1 + n / 4 % 7);
                break;
            default:
                marker.ChooseTranslucency(n / 4 % 11);
                break;
        }
    };
    for (int n = 0; n < 4; ++n) command(n);
    OpenAndDismissMenu(marker);
    const int gdiBefore = GdiObjects(), windowsBefore = ThreadWindows();
    for (int n = 0; n < 1000; ++n) command(n);
    for (int n = 0; n < 100; ++n) OpenAndDismissMenu(marker);
    const int gdiAfter = GdiObjects(), windowsAfter = ThreadWindows();
    ::UnhookWindowsHookEx(hook);
    std::printf("GDI objects %d -> %d, windows of the thread %d -> %d, menus built %zu\n", gdiBefore, gdiAfter,
                windowsBefore, windowsAfter, menusSeen.size());
    EXPECT_EQ(gdiAfter, gdiBefore);
    EXPECT_EQ(windowsAfter, windowsBefore);
    EXPECT_GE(menusSeen.size(), 101u * 5) << "each opening builds a menu and its four submenus";
    for (HMENU menu : menusSeen) EXPECT_FALSE(::IsMenu(menu)) << menu;
}
