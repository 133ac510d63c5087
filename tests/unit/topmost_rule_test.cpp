// When the marker goes back above a window over it: each case a run of ticks, the rule's answer at each.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "pointer/topmost_rule.h"

// A tick every 100 ms ("<": 99 ms, each "~": a second more), the windows above it nearest first (B, O: ordinary;
// M: a menu; T: a tooltip; L: a drop-down list; A: away from the marker; C: cloaked; .: none), "!": a menu in
// front, "+": raised.
TEST(TopmostRule, RaisesOverWhatCoversItGivesWayToWhatTheUserReadsAndToAWindowThatInsists) {
    const std::map<char, WindowAbove> kWindows = {{'B', {1, L"ShareBar"}},
                                                  {'O', {2, L"Notifier"}},
                                                  {'M', {3, L"#32768"}},
                                                  {'T', {4, L"tooltips_class32"}},
                                                  {'L', {5, L"ComboLBox"}},
                                                  {'A', {6, L"ShareBar", false}},
                                                  {'C', {7, L"ShareBar", true, true}}};
    const std::pair<const char*, const char*> kCases[] = {
        {"an ordinary window, at most every 100 ms", "B+ <B B+"},
        {"a menu, a tooltip, a list, even behind another; a menu in front", "M T BL B! B+"},
        {"away from the marker or cloaked", "AC CB+"},
        {"takes the top back three times within 2 s: left above, past the 2 s, all over it", "B+ B+ B+ B ~~B OB"},
        {"once it has gone, met again", "B+ B+ B+ B . B+"},
        {"three times, not within 2 s", "B+ ~B+ ~B+ B+ B"},
        {"each window's tries its own", "B+ B+ O+ B+ O+ B"},
    };
    for (const auto& [name, run] : kCases) {
        TopmostRule rule;
        std::uint64_t ms = 1000;
        std::istringstream ticks(run);
        for (std::string tick; ticks >> tick;) {
            std::vector<WindowAbove> above;
            ms += tick[0] == '<' ? 99 : 100;
            for (const char c : tick) ms += c == '~' ? 1000 : 0;
            for (const char c : tick)
                if (kWindows.contains(c)) above.push_back(kWindows.at(c));
            EXPECT_EQ(rule.Raise(above, tick.find('!') != std::string::npos, ms), tick.back() == '+')
                << name << ": " << tick << " at " << ms;
        }
    }
}
