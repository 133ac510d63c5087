// A marker window that Windows refuses to create fails the load, so that the
// start fails with its box instead of running on without a window.
#include <gtest/gtest.h>

#include "platform/error.h"
#include "pointer/marker_window.h"
// After the program's headers: its macros clash with their names.
#include <windows.h>

TEST(MarkerWindow, AWindowThatCannotBeCreatedFailsTheLoad) {
    // A computer-based-training hook may veto every new window.
    HHOOK veto = ::SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM w, LPARAM l) { return code == HCBT_CREATEWND ? 1 : ::CallNextHookEx({}, code, w, l); },
        nullptr, ::GetCurrentThreadId());
    ASSERT_NE(veto, nullptr);
    Settings settings{0, 0, 16, 6, 5, 5, true};
    MarkerWindow marker(settings, L"");
    EXPECT_THROW(marker.Load(), platform::RaisedError);
    ::UnhookWindowsHookEx(veto);
    EXPECT_FALSE(marker.IsLoaded());
}
