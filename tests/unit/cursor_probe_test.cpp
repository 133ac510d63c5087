// The cursor probe answers with what Windows says and never raises.
#include <gtest/gtest.h>

#include "probe/cursor_probe.h"
#include "tests/unit/fake_windows.h"

TEST(CursorProbe, TextUnderTheCursorIsEmptyForAnAbsurdLength) {
    CursorProbe probe;
    Fake().window.reset();
    EXPECT_EQ(probe.TextUnder(), L"") << "no window";

    Fake().window = FakeWindows::Window{"hello", 8};  // a longer answer than the copy
    EXPECT_EQ(probe.TextUnder(), std::wstring(L"hello\0\0\0\0", 9)) << "the whole buffer";

    for (const std::intptr_t absurd : {std::intptr_t{-1}, std::intptr_t{PTRDIFF_MAX}, std::intptr_t{1} << 30}) {
        Fake().window->reportedLength = absurd;
        EXPECT_EQ(probe.TextUnder(), L"") << absurd;
    }
    Fake().window.reset();
}
