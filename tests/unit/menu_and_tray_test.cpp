// What the popup menu's command ids and the tray icon's callbacks stand for.
#include <gtest/gtest.h>

#include "pointer/marker_menu.h"
#include "tray/tray_events.h"

TEST(MenuCommands, EveryValueItemComesBackAsItsGroupAndIndexAndNothingElseDoes) {
    int items = 0;
    for (MenuGroup group : {MenuGroup::Glyph, MenuGroup::Size, MenuGroup::Color, MenuGroup::Translucency}) {
        const IndexRange range = RangeOf(group);
        for (int index = range.first; index < range.first + range.count; ++index, ++items) {
            const auto choice = ChoiceOf(CommandId(group, index));
            ASSERT_TRUE(choice) << CommandId(group, index);
            EXPECT_EQ(choice->group, group);
            EXPECT_EQ(choice->index, index);
        }
        EXPECT_FALSE(ChoiceOf(CommandId(group, range.first - 1)));
        EXPECT_FALSE(ChoiceOf(CommandId(group, range.first + range.count)));
    }
    EXPECT_EQ(items, 8 + 16 + 7 + 11);
    for (unsigned other : {0u, kShowHideCommand, kQuitCommand, 99u, 500u, 0xFFFFFFFFu}) EXPECT_FALSE(ChoiceOf(other));
}

TEST(TrayCallbacks, OnlyButtonMessagesSetAnEventFlag) {
    struct Case {
        std::intptr_t lParam;
        std::optional<unsigned> flag;
    };
    for (const Case& c : {Case{0x200, {}},
                          {0x201, 0},
                          {0x202, 1},
                          {0x203, 2},
                          {0x205, 4},
                          {0x209, 8},
                          {0x20A, {}},
                          {0x10205, 4},
                          {484, {}},
                          {0, {}},
                          {-1, {}}}) {
        EXPECT_EQ(TrayEventIndex(c.lParam), c.flag) << std::hex << c.lParam;
    }
}
