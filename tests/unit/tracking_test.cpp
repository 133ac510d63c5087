// Following the cursor, the hot keys, clicks on the marker and the popup menu.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "pointer/marker_window.h"
#include "tests/unit/desktop_fixture.h"

namespace {

class Tracking : public DesktopTest {
protected:
    void Start(bool shown, const std::string& glyph = "1") {
        WriteIni("[Window Design]\r\nPointer Type=" + glyph +
                 "\r\n[Config]\r\nDisp Pointer=" + (shown ? "True" : "False") + "\r\n");
        Main();
        ASSERT_TRUE(markerWindow.IsLoaded());
        desk.Tick();  // the first tick centres the now sized window
        desk.calls.clear();
    }
    sim::Window& Window() { return *desk.Find(markerWindow.Handle()); }
    // Top-left corner of the window in pixels.
    std::pair<int, int> Corner() { return {Window().bounds.x, Window().bounds.y}; }
};

constexpr int VK_F9 = 0x78;
constexpr int VK_F12 = 0x7B;

}  // namespace

TEST_F(Tracking, TheMarkerIsCentredOnTheCursorWhereverItIs) {
    Start(true);
    // The glyph is 96 pixels square here; no clamping at the screen's edges.
    for (const win::Point p : {win::Point{0, 0}, win::Point{500, 300}, win::Point{-20, 2000}}) {
        desk.cursor = p;
        desk.Tick();
        EXPECT_EQ(Corner(), std::make_pair(p.x - 48, p.y - 48));
        EXPECT_EQ(markerWindow.Left(), 15.0f * p.x - markerWindow.Width() / 2);
    }
}

TEST_F(Tracking, ATickWithTheCursorStillMakesNoWindowCall) {
    Start(true);
    const int moves = Window().moves;
    desk.Tick();
    desk.Tick();
    EXPECT_EQ(Window().moves, moves);
    EXPECT_TRUE(desk.calls.empty());

    desk.cursor = {200, 100};
    desk.Tick();
    EXPECT_EQ(desk.calls, std::vector<std::string>{"Move"}) << "one move with both coordinates";
}

TEST_F(Tracking, F9OpensTheMenuOnlyWhileTheMarkerIsShown) {
    Start(false);
    desk.keysDown[VK_F9] = true;
    desk.Tick();
    EXPECT_EQ(desk.popups, 0);

    markerWindow.SetVisible(true);
    markerShown = true;
    desk.Tick();
    EXPECT_EQ(desk.popups, 1);
    desk.Tick();
    EXPECT_EQ(desk.popups, 2) << "a key still held opens it again after the menu closes";
}

TEST_F(Tracking, F12ShowsAHiddenMarkerOnceRaisingItFirst) {
    Start(false, "5");
    const int count = desk.cursorDisplayCount;
    desk.keysDown[VK_F12] = true;
    desk.Tick();
    EXPECT_TRUE(markerShown);
    EXPECT_TRUE(markerWindow.Visible());
    EXPECT_EQ(desk.calls, (std::vector<std::string>{"SetWindowPos(TOPMOST, 19)", "Show"}));
    EXPECT_EQ(desk.cursorDisplayCount, count) << "F12 neither reshapes nor touches the cursor";

    desk.calls.clear();
    desk.Tick();
    desk.Tick();
    EXPECT_TRUE(desk.calls.empty()) << "F12 while shown does nothing";
    EXPECT_TRUE(markerWindow.Visible());
}

TEST_F(Tracking, NothingMovesOrReopensWhileTheMenuIsUp) {
    Start(true);
    desk.cursor = {100, 100};
    desk.Tick();
    const auto corner = Corner();
    int ticksInside = 0;
    desk.onPopup = [&](platform::MenuItem&) -> platform::MenuItem* {
        EXPECT_TRUE(markerWindow.menuOpen);
        EXPECT_GE(desk.cursorDisplayCount, 0) << "the real cursor shows over the menu";
        desk.cursor = {400, 400};
        desk.keysDown[VK_F9] = true;
        desk.Tick();
        desk.MouseMove(markerWindow.Handle());
        ++ticksInside;
        EXPECT_EQ(Corner(), corner);
        return nullptr;
    };
    markerWindow.OpenMenu();
    EXPECT_EQ(ticksInside, 1);
    EXPECT_EQ(desk.popups, 1);
    EXPECT_FALSE(markerWindow.menuOpen);
}

TEST_F(Tracking, AfterTheMenuTheGlyphIsAppliedAgainUnlessQuittingBegan) {
    Start(true, "5");
    desk.onPopup = [](platform::MenuItem& menu) { return menu.children[1].get(); };  // a separator: no command
    desk.calls.clear();
    markerWindow.OpenMenu();
    EXPECT_EQ(desk.calls, (std::vector<std::string>{"Hide", "SetWindowRgn", "Show", "Refresh"}));
    EXPECT_LT(desk.cursorDisplayCount, 0) << "the filled glyph hides the cursor again";

    desk.onPopup = [](platform::MenuItem&) {
        markerWindow.reshapeHeld = true;  // as the quit command does
        return nullptr;
    };
    desk.calls.clear();
    markerWindow.OpenMenu();
    EXPECT_TRUE(desk.calls.empty());
    EXPECT_GE(desk.cursorDisplayCount, 0);
}

TEST_F(Tracking, ChoosingAGlyphInTheMenuRunsItsCommandBeforeTheMenuReturns) {
    Start(true);
    desk.onPopup = [](platform::MenuItem&) { return &markerWindow.menu.glyphs(5); };
    markerWindow.OpenMenu();
    EXPECT_EQ(glyphIndex, 5);
    EXPECT_EQ(markerWindow.glyphText, L"★");
    EXPECT_TRUE(markerWindow.menu.glyphs(5).checked);
    EXPECT_FALSE(markerWindow.menu.glyphs(1).checked);
}

TEST_F(Tracking, ARightReleaseOpensTheMenuAnyOtherHidesTheMarker) {
    for (int button : {1, 4}) {
        Start(true, "5");
        desk.MouseUp(markerWindow.Handle(), 2);
        EXPECT_EQ(desk.popups, 1);
        EXPECT_TRUE(markerWindow.Visible());

        desk.MouseUp(markerWindow.Handle(), button);
        EXPECT_FALSE(markerShown);
        EXPECT_FALSE(markerWindow.Visible());
        EXPECT_GE(desk.cursorDisplayCount, 0) << "the real cursor is given back";
        desk.Close(markerWindow.Handle());
        desk.Reset();
        desk.exeFolder = folder.Path();
    }
}

TEST_F(Tracking, AMouseMoveOverTheMarkerFollowsBetweenTicks) {
    Start(true);
    desk.cursor = {321, 123};
    desk.MouseMove(markerWindow.Handle());
    EXPECT_EQ(Corner(), std::make_pair(321 - 48, 123 - 48));
}
