// The marker window on real Windows services: a failed window creation is an
// error, and appearance commands leave no GDI object behind.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/error.h"
#include "pointer/marker_window.h"
#include "tests/wine/gdi_objects.h"

namespace {

void ApplyCommand(MarkerWindow& marker, int n) {
    std::int16_t index = 0;
    switch (n % 4) {
        case 0:
            index = static_cast<std::int16_t>(1 + n % 8);
            marker.ChooseGlyph(index);
            break;
        case 1:
            index = static_cast<std::int16_t>(1 + n % 16);
            marker.ChooseSize(index);
            break;
        case 2:
            index = static_cast<std::int16_t>(1 + n % 7);
            marker.ChooseColor(index);
            break;
        default:
            index = static_cast<std::int16_t>(n % 11);
            marker.ChooseTranslucency(index);
            break;
    }
}

}  // namespace

TEST(MarkerResources, AThousandAppearanceCommandsLeaveNoGdiObjectBehind) {
    // The count sees objects come and go, so a leak would show.
    const int before = gdi_objects::Count();
    ASSERT_GE(before, 0) << "no GDI handle table";
    HRGN probe = ::CreateRectRgn(0, 0, 1, 1);
    ASSERT_EQ(gdi_objects::Count(), before + 1);
    ::DeleteObject(probe);
    ASSERT_EQ(gdi_objects::Count(), before);

    Settings settings{0, 0, 16, 6, 5, 5, true};
    MarkerWindow marker(settings, L"");
    marker.Load();
    ASSERT_TRUE(marker.IsLoaded());
    ApplyCommand(marker, 0);
    const int afterFirst = gdi_objects::Count();
    for (int n = 1; n < 1000; ++n) ApplyCommand(marker, n);
    const int afterThousand = gdi_objects::Count();
    std::printf("GDI objects after the first command: %d, after 1000: %d\n", afterFirst, afterThousand);
    EXPECT_EQ(afterThousand, afterFirst);
}

TEST(MarkerResources, AWindowThatCannotBeCreatedFailsTheLoad) {
    // A computer-based-training hook that refuses every new window.
    HHOOK refuse = ::SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM w, LPARAM l) -> LRESULT {
            return code == HCBT_CREATEWND ? 1 : ::CallNextHookEx(nullptr, code, w, l);
        },
        nullptr, ::GetCurrentThreadId());
    ASSERT_NE(refuse, nullptr);
    Settings settings{0, 0, 16, 6, 5, 5, true};
    MarkerWindow marker(settings, L"");
    EXPECT_THROW(marker.Load(), platform::RaisedError);
    ::UnhookWindowsHookEx(refuse);
    EXPECT_FALSE(marker.IsLoaded());
}
