// The marker window on the real services: a window Windows refuses fails the
// start, and a long talk's worth of commands and menus leaves no GDI or USER
// object behind.
#include <gtest/gtest.h>
#include <winternl.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "platform/error.h"
#include "pointer/marker_window.h"

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

// Every menu the program puts up, seen as Windows asks its owner to fill it.
std::set<HMENU> menusSeen;
int menusOpened = 0;
LRESULT CALLBACK SeeMenus(int code, WPARAM w, LPARAM l) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && sent->message == WM_INITMENUPOPUP) {
        const auto menu = reinterpret_cast<HMENU>(sent->wParam);
        ++menusOpened;
        menusSeen.insert(menu);
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            if (HMENU submenu = ::GetSubMenu(menu, i)) menusSeen.insert(submenu);
        }
    }
    return ::CallNextHookEx(nullptr, code, w, l);
}

void CALLBACK EndMenuSoon(HWND, UINT, UINT_PTR timer, DWORD) { ::KillTimer(nullptr, timer), ::EndMenu(); }

// The session ends while the menu is up; once it has been told, the file is
// the user's again.
const std::filesystem::path loggedOff = std::filesystem::temp_directory_path() / L"logoff.ini";
void CALLBACK LogOffNow(HWND, UINT, UINT_PTR timer, DWORD) {
    ::KillTimer(nullptr, timer);
    ::SendMessageW(::FindWindowW(L"TrailglintMarker", nullptr), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    std::ofstream(loggedOff, std::ios::binary) << "edited";
}

LRESULT CALLBACK VetoEveryWindow(int code, WPARAM w, LPARAM l) {
    return code == HCBT_CREATEWND ? 1 : ::CallNextHookEx(nullptr, code, w, l);
}

}  // namespace

TEST(MarkerWindow, AWindowThatCannotBeCreatedFailsTheStart) {
    HHOOK veto = ::SetWindowsHookExW(WH_CBT, VetoEveryWindow, nullptr, ::GetCurrentThreadId());
    Settings settings;
    EXPECT_THROW(MarkerWindow(settings, L""), RaisedError);
    ::UnhookWindowsHookEx(veto);
}

TEST(MarkerWindow, ALogOffWhileTheMenuIsUpUnloadsOnceAndEndsTheProgramWhenTheMenuHasClosed) {
    std::filesystem::remove(loggedOff);
    Settings settings;
    MarkerWindow marker(settings, loggedOff.wstring());
    HWND window = marker.Handle();
    ::SetTimer(nullptr, 0, 30, LogOffNow);
    marker.OpenMenu();
    std::ifstream saved(loggedOff, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "edited") << "saved again after the log-off";
    EXPECT_FALSE(::IsWindow(window));
    MSG quit{};
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the message loop is told to end";
}

TEST(MarkerWindow, ALongTalkLeavesNoGdiOrUserObjectBehind) {
    const int baseline = GdiObjects();
    HRGN leak = ::CreateRectRgn(0, 0, 1, 1);
    ASSERT_EQ(GdiObjects(), baseline + 1) << "the count does not see a new region";
    ::DeleteObject(leak);

    Settings settings;
    settings.shown = true;
    MarkerWindow marker(settings, L"");
    const auto command = [&](int n) {
        const int i = n / 4;
        n % 4 == 0   ? marker.ChooseGlyph(1 + i % 8)
        : n % 4 == 1 ? marker.ChooseSize(1 + i % 16)
        : n % 4 == 2 ? marker.ChooseColor(1 + i % 7)
                     : marker.ChooseTranslucency(i % 11);
    };
    const auto openMenu = [&] { ::SetTimer(nullptr, 0, 30, EndMenuSoon), marker.OpenMenu(); };
    for (int n = 0; n < 4; ++n) command(n);
    openMenu();
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, SeeMenus, nullptr, ::GetCurrentThreadId());
    const int gdiBefore = GdiObjects(), windowsBefore = ThreadWindows();
    for (int n = 0; n < 1000; ++n) command(n);
    for (int n = 0; n < 100; ++n) openMenu();
    const int gdiAfter = GdiObjects(), windowsAfter = ThreadWindows();
    ::UnhookWindowsHookEx(hook);
    std::printf("GDI objects %d -> %d, windows of the thread %d -> %d, menus built %zu\n", gdiBefore, gdiAfter,
                windowsBefore, windowsAfter, menusSeen.size());
    EXPECT_EQ(gdiAfter, gdiBefore);
    EXPECT_EQ(windowsAfter, windowsBefore);
    EXPECT_EQ(menusOpened, 100);
    for (HMENU menu : menusSeen) EXPECT_FALSE(::IsMenu(menu)) << menu;
}
