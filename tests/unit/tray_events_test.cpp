// What the tray icon's callbacks stand for.
#include <gtest/gtest.h>

#include "tray/tray_events.h"

TEST(TrayCallbacks, OnlyButtonMessagesSetAnEventFlag) {
    constexpr std::intptr_t kNone = -1;  // lParam, the event flag it sets
    constexpr std::intptr_t kCases[][2] = {{0x200, kNone}, {0x201, 0},     {0x202, 1},   {0x203, 2},   {0x205, 4},
                                           {0x209, 8},     {0x20A, kNone}, {0x10205, 4}, {484, kNone}, {-1, kNone}};
    for (const auto& [lParam, flag] : kCases)
        EXPECT_EQ(TrayEventIndex(lParam) ? std::intptr_t(*TrayEventIndex(lParam)) : kNone, flag) << std::hex << lParam;
}
