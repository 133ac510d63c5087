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
            ASSERT_TRUE(choice && choice->group == group && choice->index == index) << CommandId(group, index);
        }
        EXPECT_FALSE(ChoiceOf(CommandId(group, range.first - 1)) ||
                     ChoiceOf(CommandId(group, range.first + range.count)));
    }
    EXPECT_EQ(items, 8 + 16 + 7 + 11);
    for (unsigned other : {0u, kShowHideCommand, kQuitCommand, 99u, 500u, 0xFFFFFFFFu}) EXPECT_FALSE(ChoiceOf(other));
}

TEST(TrayCallbacks, OnlyButtonMessagesSetAnEventFlag) {
    constexpr std::intptr_t kNone = -1;  // lParam, the event flag it sets
    constexpr std::intptr_t kCases[][2] = {{0x200, kNone}, {0x201, 0},     {0x202, 1},   {0x203, 2},   {0x205, 4},
                                           {0x209, 8},     {0x20A, kNone}, {0x10205, 4}, {484, kNone}, {-1, kNone}};
    for (const auto& [lParam, flag] : kCases)
        EXPECT_EQ(TrayEventIndex(lParam) ? std::intptr_t(*TrayEventIndex(lParam)) : kNone, flag) << std::hex << lParam;
}
