// Centring on the cursor and the stored position's twips, to the pixel.
#include <gtest/gtest.h>

#include "pointer/geometry.h"

TEST(Geometry, CentringTakesHalvesToTheEvenPixel) {
    // cursor, extent, edge
    constexpr int kCases[][3] = {{400, 96, 352}, {400, 97, 352}, {401, 97, 352}, {402, 97, 354}, {0, 97, -48},
                                 {0, 103, -52},  {1, 103, -50},  {-5, 9, -10},   {-6, 9, -10},   {1023, 0, 1023}};
    for (const auto& [cursor, extent, edge] : kCases)
        EXPECT_EQ(CentredEdge(cursor, extent), edge) << cursor << " " << extent;
}

TEST(Geometry, PixelsAndTwipsAtEachResolution) {
    // dpi, pixels, twips: a half twip (192 dpi only) goes to the even one
    constexpr int kToTwips[][3] = {{96, 328, 4920}, {96, -52, -780}, {120, 7, 84}, {144, 7, 70}, {168, 7, 60},
                                   {168, 1, 9},     {168, 3, 26},    {192, 1, 8},  {192, 3, 22}, {192, -3, -22}};
    for (const auto& [dpi, pixels, twips] : kToTwips)
        EXPECT_EQ(PixelsToTwips(pixels, dpi), twips) << dpi << " " << pixels;
    constexpr int kToPixels[][3] = {{96, 67, 1000}, {96, -2667, -40000}, {120, 83, 1000}, {168, 117, 1000},
                                    {192, 1, 7},    {192, 1, 8},         {192, 2, 15}};
    for (const auto& [dpi, pixels, twips] : kToPixels)
        EXPECT_EQ(TwipsToPixels(twips, dpi), pixels) << dpi << " " << twips;
}
