// The marker window: loading, reshaping, the four appearance commands, the
// real cursor's visibility and translucency.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/settings.h"
#include "platform/error.h"
#include "pointer/marker_window.h"
#include "pointer/translucency.h"
#include "tests/unit/desktop_fixture.h"

namespace {

class Marker : public DesktopTest {
protected:
    // Starts the program with the given settings and forgets the calls it made.
    void StartWith(const std::string& windowDesign, bool shown) {
        WriteIni("[Window Design]\r\n" + windowDesign + "[Config]\r\nDisp Pointer=" + (shown ? "True" : "False") +
                 "\r\n");
        Main();
        ASSERT_TRUE(markerWindow.IsLoaded());
        desk.calls.clear();
    }
    sim::Window& Window() { return *desk.Find(markerWindow.Handle()); }
    sim::Region RegionNow() { return desk.regions.at(Window().region); }

    static std::vector<std::int16_t> Checked(const platform::MenuArray& array) {
        std::vector<std::int16_t> checked;
        for (const platform::MenuItem* item : array.Items()) {
            if (item->checked) checked.push_back(item->index);
        }
        return checked;
    }
    using Command = void (MarkerWindow::*)(std::int16_t&);
};

const std::vector<std::string> kReshapeCalls = {"Hide", "Move", "Move", "SetWindowRgn", "Show", "Refresh"};

}  // namespace

TEST_F(Marker, LoadingAppliesTheStoredLookThenShapesOnceAndRaisesTheWindow) {
    desk.cursor = {300, 200};
    WriteIni(
        "[Window Design]\r\nPointer Type=5\r\nPointer Size=1\r\nPointer Color=3\r\nTranslucence=7\r\n"
        "[Config]\r\nDisp Pointer=True\r\n");
    Main();
    ASSERT_TRUE(markerWindow.IsLoaded());

    // The look goes in while reshaping is held back; one reshape at the end,
    // then topmost without moving, sizing or activating (flags 0x13).
    const std::vector<std::string> expected = {"Move",
                                               "Move",  // stored top, then left
                                               "SetWindowLongA",
                                               "SetLayeredWindowAttributes(75)",  // translucency 70%
                                               "Move",                            // centred on the cursor
                                               "Move",
                                               "Move",
                                               "SetWindowRgn",
                                               "Show",
                                               "Refresh",  // reshape (already hidden)
                                               "SetWindowPos(TOPMOST, 19)"};
    EXPECT_EQ(desk.calls, expected);
    EXPECT_EQ(markerWindow.glyphText, L"★");
    EXPECT_EQ(RegionNow(), (sim::Region{L"★", markerWindow.Font(), 0, 0}));
    EXPECT_EQ(markerWindow.FontSize(), 8.0f);
    EXPECT_EQ(markerWindow.BackColor(), 0xFF0000u);
    EXPECT_TRUE(Window().topmost);
    EXPECT_TRUE(markerWindow.Visible());
    EXPECT_EQ(Checked(markerWindow.menu.glyphs), std::vector<std::int16_t>{5});
    EXPECT_EQ(Checked(markerWindow.menu.sizes), std::vector<std::int16_t>{1});
    EXPECT_EQ(Checked(markerWindow.menu.colors), std::vector<std::int16_t>{3});
    EXPECT_EQ(Checked(markerWindow.menu.translucencies), std::vector<std::int16_t>{7});
    EXPECT_LT(desk.cursorDisplayCount, 0) << "a filled glyph shown replaces the real cursor";
}

TEST_F(Marker, ReshapingIsHeldBackWhileLoadingOrQuitting) {
    StartWith("", true);
    const platform::PixelRect bounds = Window().bounds;
    const void* region = Window().region;
    markerWindow.reshapeHeld = true;
    std::int16_t size = 1;
    markerWindow.ChooseSize(size);
    EXPECT_TRUE(desk.calls.empty());
    EXPECT_EQ(Window().bounds.width, bounds.width);
    EXPECT_EQ(Window().region, region);
    EXPECT_TRUE(markerWindow.Visible());
}

TEST_F(Marker, AHiddenMarkerIsResizedAndReshapedButStaysHidden) {
    StartWith("", false);
    std::int16_t star = 5, eight = 1;
    markerWindow.ChooseGlyph(star);
    markerWindow.ChooseSize(eight);
    // Nothing to hide, but a new size and region both times.
    EXPECT_EQ(desk.calls,
              (std::vector<std::string>{"SetWindowRgn", "Refresh", "Move", "Move", "SetWindowRgn", "Refresh"}));
    EXPECT_FALSE(markerWindow.Visible());
    EXPECT_EQ(RegionNow(), (sim::Region{L"★", markerWindow.Font(), 0, 0}));
}

TEST_F(Marker, TheWindowTakesTheGlyphsSizeAndOutlineAtEachSize) {
    StartWith("", true);
    std::int16_t eight = 1, seventyTwo = 16;
    markerWindow.ChooseSize(eight);
    EXPECT_EQ(desk.calls, kReshapeCalls);
    EXPECT_EQ(markerWindow.Width(), markerWindow.glyphLabel.Width());
    EXPECT_EQ(markerWindow.Height(), markerWindow.glyphLabel.Height());
    EXPECT_EQ(markerWindow.glyphLabel.FontSize(), 8.0f);
    EXPECT_EQ(RegionNow().font.points, 8.0f);
    const float small = markerWindow.Width();

    markerWindow.ChooseSize(seventyTwo);
    EXPECT_GT(markerWindow.Width(), small * 8) << "72 points against 8";
    EXPECT_EQ(RegionNow().font.points, 72.0f);
    EXPECT_EQ(desk.LooseRegions(), 0) << "every region built has an owner";
    EXPECT_EQ(desk.regions.size(), 1u);
}

TEST_F(Marker, EveryCommandLeavesExactlyOneCheckMarkAndRecordsItsIndex) {
    StartWith("", true);
    struct Case {
        Command command;
        const platform::MenuArray& array;
        const std::int16_t& field;
    };
    MarkerWindow& f = markerWindow;
    for (const Case& c : {Case{&MarkerWindow::ChooseGlyph, f.menu.glyphs, glyphIndex},
                          Case{&MarkerWindow::ChooseSize, f.menu.sizes, sizeIndex},
                          Case{&MarkerWindow::ChooseColor, f.menu.colors, colorIndex},
                          Case{&MarkerWindow::ChooseTranslucency, f.menu.translucencies, translucencyIndex}}) {
        for (platform::MenuItem* item : c.array.Items()) {
            std::int16_t index = item->index;
            desk.calls.clear();
            (f.*c.command)(index);
            EXPECT_EQ(Checked(c.array), std::vector<std::int16_t>{item->index});
            EXPECT_EQ(c.field, item->index);
            EXPECT_EQ(desk.calls.back(), "Refresh") << "each command ends with a reshape";
        }
    }
}

TEST_F(Marker, ColourAndSizeComeFromTheTableAndTheCaptions) {
    StartWith("", true);
    const std::uint32_t expected[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x008000, 0x0000FF, 0x00FFFF};
    for (std::int16_t i = 1; i <= 7; ++i) {
        std::int16_t index = i;
        markerWindow.ChooseColor(index);
        EXPECT_EQ(markerWindow.BackColor(), expected[i - 1]);
        EXPECT_EQ(markerWindow.FillColor(), expected[i - 1]);
        EXPECT_EQ(markerWindow.ForeColor(), expected[i - 1]);
        EXPECT_EQ(Window().backColor, expected[i - 1]);
    }
    std::int16_t thirtySix = 14;
    markerWindow.ChooseSize(thirtySix);
    EXPECT_EQ(markerWindow.FontSize(), 36.0f);
    EXPECT_EQ(markerWindow.glyphLabel.FontSize(), 36.0f);
}

TEST_F(Marker, AGlyphIndexAboveEightBecomesTheFirstGlyphInTheRecord) {
    StartWith("Pointer Type=9\r\n", true);
    EXPECT_EQ(glyphIndex, 1);
    EXPECT_EQ(markerWindow.glyphText, L"●");
    EXPECT_EQ(Checked(markerWindow.menu.glyphs), std::vector<std::int16_t>{1});
    desk.Close(markerWindow.Handle());
    EXPECT_NE(IniBytes().find("Pointer Type=1\r\n"), std::string::npos);
}

TEST_F(Marker, AnIndexWithoutAnItemClearsThatMenusMarksAndDoesNothingElse) {
    StartWith("Pointer Type=4\r\nPointer Size=10\r\nPointer Color=2\r\nTranslucence=3\r\n", true);
    struct Case {
        Command command;
        const platform::MenuArray& array;
        std::int16_t index;
    };
    MarkerWindow& f = markerWindow;
    for (const Case& c :
         {Case{&MarkerWindow::ChooseGlyph, f.menu.glyphs, 0}, Case{&MarkerWindow::ChooseSize, f.menu.sizes, 17},
          Case{&MarkerWindow::ChooseColor, f.menu.colors, 0}, Case{&MarkerWindow::ChooseColor, f.menu.colors, 8},
          Case{&MarkerWindow::ChooseTranslucency, f.menu.translucencies, 11},
          Case{&MarkerWindow::ChooseTranslucency, f.menu.translucencies, -1}}) {
        std::int16_t index = c.index;
        desk.calls.clear();
        try {
            (f.*c.command)(index);
            ADD_FAILURE() << "no error for index " << c.index;
        } catch (const platform::RaisedError& e) {
            EXPECT_EQ(e.Number(), platform::kErrNoSuchArrayElement);
        }
        EXPECT_TRUE(Checked(c.array).empty());
        EXPECT_TRUE(desk.calls.empty());
    }
    EXPECT_EQ(glyphIndex, 4);
    EXPECT_EQ(sizeIndex, 10);
    EXPECT_EQ(colorIndex, 2);
    EXPECT_EQ(translucencyIndex, 3);
}

TEST_F(Marker, AStoredIndexWithoutAnItemEndsTheStart) {
    for (const char* stored : {"Pointer Type=0", "Pointer Size=17", "Pointer Color=0", "Translucence=11"}) {
        desk.Reset();
        desk.exeFolder = folder.Path();
        WriteIni(std::string("[Window Design]\r\n") + stored + "\r\n");
        Main();
        ASSERT_EQ(desk.messageBoxes.size(), 1u) << stored;
        EXPECT_EQ(desk.messageBoxes[0].text, L"予測不能のエラーが発生しました");
        EXPECT_TRUE(desk.endedAtOnce);
        EXPECT_TRUE(desk.windows.empty());
        EXPECT_EQ(IniBytes(), std::string("[Window Design]\r\n") + stored + "\r\n");
    }
}

TEST_F(Marker, RingsShowTheRealCursorAndFilledGlyphsHideItOnlyWhileShown) {
    StartWith("", false);
    std::int16_t star = 5, ring = 2, doubleRing = 3;
    desk.cursorDisplayCount = 0;
    markerWindow.ChooseGlyph(star);
    EXPECT_EQ(desk.cursorDisplayCount, 0) << "hidden marker: the cursor is left alone";

    desk.cursorDisplayCount = -1;
    markerWindow.ChooseGlyph(ring);
    EXPECT_EQ(desk.cursorDisplayCount, 0) << "a ring shows the cursor even while hidden";

    markerShown = true;
    markerWindow.ChooseGlyph(star);
    EXPECT_EQ(desk.cursorDisplayCount, -1);
    markerWindow.ChooseGlyph(doubleRing);
    EXPECT_EQ(desk.cursorDisplayCount, 0);
}

TEST_F(Marker, TranslucencyFollowsTheFixedTable) {
    StartWith("Translucence=0\r\n", true);
    sim::Window& w = Window();
    EXPECT_EQ(w.exStyle & 0x80000, 0);
    const int alpha[] = {230, 210, 190, 165, 135, 105, 75, 45, 15, 0};
    for (std::int16_t level = 1; level <= 10; ++level) {
        SetTranslucency(markerWindow.Handle(), level);
        EXPECT_EQ(w.alpha, alpha[level - 1]) << level;
        EXPECT_NE(w.exStyle & 0x80000, 0);
    }
    EXPECT_EQ(w.exStyleWrites, 1) << "the style is written once, the alpha every time";

    SetTranslucency(markerWindow.Handle(), 3);
    const int writes = w.exStyleWrites;
    desk.calls.clear();
    SetTranslucency(markerWindow.Handle(), 3);
    SetTranslucency(markerWindow.Handle(), 7);
    EXPECT_EQ(w.exStyleWrites, writes);
    EXPECT_EQ(desk.calls,
              (std::vector<std::string>{"SetLayeredWindowAttributes(190)", "SetLayeredWindowAttributes(75)"}));

    for (std::int16_t opaque : {0, -1, 11}) {
        SetTranslucency(markerWindow.Handle(), 5);
        SetTranslucency(markerWindow.Handle(), opaque);
        EXPECT_EQ(w.exStyle & 0x80000, 0) << opaque;
        EXPECT_EQ(w.alpha, -1);
    }
    desk.calls.clear();
    SetTranslucency(markerWindow.Handle(), 0);
    EXPECT_TRUE(desk.calls.empty()) << "an opaque window is left as it is";
}

TEST_F(Marker, ThePopupMenuHasItsTreeAndDesignTimeMarks) {
    const MarkerMenu menu = BuildMarkerMenu();
    std::vector<std::wstring> top;
    for (const auto& item : menu.root.children) top.push_back(item->caption);
    EXPECT_EQ(top, (std::vector<std::wstring>{L"表示/非表示", L"-", L"タイプ", L"サイズ", L"色", L"透明度", L"-",
                                              L"終了(&Q)"}));
    EXPECT_EQ(menu.root.caption, L"ポップアップメニュー");
    EXPECT_EQ(menu.glyphs.Count(), 8);
    EXPECT_EQ(menu.sizes(16).caption, L"72");
    EXPECT_EQ(menu.colors(4).caption, L"黄緑");
    EXPECT_EQ(menu.translucencies(10).caption, L"100%");
    EXPECT_EQ(Checked(menu.colors), std::vector<std::int16_t>{1});
    EXPECT_EQ(Checked(menu.translucencies), std::vector<std::int16_t>{0});
    EXPECT_TRUE(Checked(menu.glyphs).empty());
    EXPECT_TRUE(Checked(menu.sizes).empty());
}
