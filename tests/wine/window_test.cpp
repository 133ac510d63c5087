// A marker window that Windows refuses to create fails the load, so that the
// start fails with its box instead of running on without a window.
#include <gtest/gtest.h>

#include "platform/error.h"
#include "pointer/marker_window.h"
// After the program's headers: its macros clash with their names.
#include <windows.h>

// A computer-based-training hook may veto every new window.
LRESULT CALLBACK VetoEveryWindow(int code, WPARAM w, LPARAM l) {
    return code == HCBT_CREATEWND ? 1 : ::CallNextHookEx(nullptr, code, w, l);
}

TEST(MarkerWindow, AWindowThatCannotBeCreatedFailsTheLoad) {
    HHOOK veto = ::SetWindowsHookExW(WH_CBT, VetoEveryWindow, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(veto, nullptr);
    Settings settings{0, 0, 16, 6, 5, 5, true};
    MarkerWindow marker(settings, L"");
    EXPECT_THROW(marker.Load(), platform::RaisedError);
    ::UnhookWindowsHookEx(veto);
    EXPECT_FALSE(marker.IsLoaded());
}
