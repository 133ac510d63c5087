// Centring on the cursor and the stored position's twips, to the pixel.
#include <gtest/gtest.h>

#include "pointer/geometry.h"

TEST(Geometry, CentringTakesHalvesToTheEvenPixel) {
    struct Case {
        int cursor, extent, edge;
    };
    for (const Case& c : {Case{400, 96, 352},
                          {400, 97, 352},
                          {401, 97, 352},
                          {402, 97, 354},
                          {0, 97, -48},
                          {0, 103, -52},
                          {1, 103, -50},
                          {-5, 9, -10},
                          {-6, 9, -10},
                          {1023, 0, 1023}}) {
        EXPECT_EQ(CentredEdge(c.cursor, c.extent), c.edge) << c.cursor << " " << c.extent;
    }
}

TEST(Geometry, PixelsAndTwipsAtEachResolution) {
    struct Case {
        int dpi;
        std::int64_t pixels, twips;
    };
    for (const Case& c : {Case{96, 328, 4920},
                          {96, -52, -780},
                          {120, 7, 84},
                          {144, 7, 70},
                          {168, 7, 60},
                          {168, 1, 9},
                          {168, 3, 26},
                          {192, 1, 8},
                          {192, 3, 22},
                          {192, -1, -8},
                          {192, -3, -22}}) {
        EXPECT_EQ(PixelsToTwips(c.pixels, c.dpi), c.twips) << c.dpi << " dpi, " << c.pixels << " px";
    }
    for (const Case& c : {Case{96, 67, 1000},
                          {96, -2667, -40000},
                          {120, 83, 1000},
                          {192, 1, 7},
                          {192, 1, 8},
                          {192, 2, 15},
                          {168, 117, 1000}}) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.dpi << " dpi, " << c.twips << " twips";
    }
}
