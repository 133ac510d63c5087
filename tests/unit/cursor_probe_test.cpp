// The cursor probe answers with what Windows says and never raises.
#include <gtest/gtest.h>

#include "probe/cursor_probe.h"
#include "tests/unit/fake_windows.h"

TEST(CursorProbe, TextUnderTheCursorIsEmptyForAnAbsurdLength) {
    CursorProbe probe;
    Fake().window.reset();
    EXPECT_EQ(probe.TextUnder(), L"") << "no window";

    Fake().window = FakeWindows::Window{"hello", 5};
    EXPECT_EQ(probe.TextUnder(), std::wstring(L"hello\0", 6)) << "the text and its NUL";
    Fake().window->reportedLength = 8;  // a longer answer than the copy
    EXPECT_EQ(probe.TextUnder(), std::wstring(L"hello\0\0\0\0", 9));

    for (const std::intptr_t absurd : {std::intptr_t{-1}, std::intptr_t{PTRDIFF_MAX}, std::intptr_t{1} << 30}) {
        Fake().window->reportedLength = absurd;
        EXPECT_EQ(probe.TextUnder(), L"") << absurd;
    }
    Fake().window.reset();
}

TEST(CursorProbe, ShowAlwaysEndsVisibleAndHideHidden) {
    CursorProbe probe;
    for (const int start : {-5, -1, 0, 3}) {
        Fake().cursorCount = start;
        probe.Show();
        EXPECT_GE(Fake().cursorCount, 0);
        EXPECT_GT(Fake().cursorCount, start) << "at least one call";
        probe.Hide();
        EXPECT_LT(Fake().cursorCount, 0);
    }
}
