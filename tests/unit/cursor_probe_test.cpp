// The cursor probe: display-count loops, moving the cursor, and the window
// under it.
#include "probe/cursor_probe.h"

#include <gtest/gtest.h>

#include "tests/unit/desktop_fixture.h"

using MouseControl = DesktopTest;

TEST_F(MouseControl, ShowAndHideAlwaysCallAtLeastOnceAndStopAtTheThreshold) {
    CursorProbe mouse;
    struct Case {
        int from;
        bool show;
        int calls;
        int to;
    };
    for (const Case c : {Case{0, true, 1, 1}, Case{1, false, 2, -1}, Case{-1, false, 1, -2}, Case{-2, true, 2, 0},
                         Case{5, false, 6, -1}}) {
        desk.cursorDisplayCount = c.from;
        desk.showCursorCalls = 0;
        c.show ? mouse.Show() : mouse.Hide();
        EXPECT_EQ(desk.showCursorCalls, c.calls) << "from " << c.from;
        EXPECT_EQ(desk.cursorDisplayCount, c.to) << "from " << c.from;
    }
    desk.cursorDisplayCount = -1;
    mouse.SetVisible(7);
    EXPECT_EQ(desk.cursorDisplayCount, 0) << "any non-zero value shows";
    mouse.SetVisible(0);
    EXPECT_EQ(desk.cursorDisplayCount, -1);
}

TEST_F(MouseControl, WritingOneCoordinateKeepsTheOther) {
    CursorProbe mouse;
    desk.cursor = {500, 300};
    mouse.MoveToX(100);
    EXPECT_EQ(mouse.X(), 100);
    EXPECT_EQ(mouse.Y(), 300);
    mouse.MoveToY(40);
    EXPECT_EQ(desk.cursor.x, 100);
    EXPECT_EQ(desk.cursor.y, 40);
}

TEST_F(MouseControl, TheWindowUnderTheCursorIsNamedAsItsQueriesAnswer) {
    CursorProbe mouse;
    const std::string long300(300, 'c');
    void* plain = desk.AddForeignWindow({0, 0, 100, 100}, "Notepad", long300);
    void* empty = desk.AddForeignWindow({200, 0, 100, 100}, "Edit", "");

    desk.cursor = {50, 50};
    EXPECT_EQ(mouse.WindowUnder(), plain);
    EXPECT_EQ(mouse.ClassUnder(), L"Notepad");
    EXPECT_EQ(mouse.CaptionUnder(), std::wstring(255, L'c'));
    EXPECT_EQ(mouse.TextUnder(), std::wstring(300, L'c') + L'\0');

    desk.cursor = {250, 50};
    EXPECT_EQ(mouse.CaptionUnder(), L"");
    EXPECT_EQ(mouse.TextUnder(), std::wstring(1, L'\0'));

    desk.cursor = {150, 500};
    EXPECT_EQ(mouse.WindowUnder(), nullptr);
    EXPECT_EQ(mouse.ClassUnder(), L"");
    EXPECT_EQ(mouse.TextUnder(), L"");
    (void)empty;
}

TEST_F(MouseControl, CatchingAWindowReleasesTheCaptureThenPressesItsCaption) {
    CursorProbe mouse;
    void* window = desk.AddForeignWindow({0, 0, 10, 10}, "W", "");
    mouse.DragWindow(window);
    EXPECT_EQ(desk.calls, (std::vector<std::string>{"ReleaseCapture", "SendMessageA(161)"}));
}
