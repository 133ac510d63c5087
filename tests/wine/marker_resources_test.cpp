// The marker window on real Windows services: appearance commands must not
// leave GDI objects behind.
#include <gtest/gtest.h>

#include <cstdio>

#include "pointer/marker_window.h"
#include "tests/support/loaded_marker.h"
#include "tests/wine/gdi_objects.h"

namespace {

void ApplyCommand(int n) {
    std::int16_t index = 0;
    switch (n % 4) {
        case 0:
            index = static_cast<std::int16_t>(1 + n % 8);
            markerWindow.ChooseGlyph(index);
            break;
        case 1:
            index = static_cast<std::int16_t>(1 + n % 16);
            markerWindow.ChooseSize(index);
            break;
        case 2:
            index = static_cast<std::int16_t>(1 + n % 7);
            markerWindow.ChooseColor(index);
            break;
        default:
            index = static_cast<std::int16_t>(n % 11);
            markerWindow.ChooseTranslucency(index);
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

    ASSERT_TRUE(LoadShownMarker(5));

    ApplyCommand(0);
    const int afterFirst = gdi_objects::Count();
    for (int n = 1; n < 1000; ++n) ApplyCommand(n);
    const int afterThousand = gdi_objects::Count();
    std::printf("GDI objects after the first command: %d, after 1000: %d\n", afterFirst, afterThousand);
    EXPECT_EQ(afterThousand, afterFirst);

    markerWindow.Discard();
}
