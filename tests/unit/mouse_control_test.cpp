// The cursor's display count loops.
#include "probe/mouse_control.h"

#include <gtest/gtest.h>

#include "tests/unit/desktop_fixture.h"

using MouseControl = DesktopTest;

TEST_F(MouseControl, ShowAndHideAlwaysCallAtLeastOnceAndStopAtTheThreshold) {
    clsMouseControl mouse;
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
}
