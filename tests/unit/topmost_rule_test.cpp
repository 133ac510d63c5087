// When the marker goes back above a window over it: each case a run of ticks, the rule's answer at each.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "pointer/topmost_rule.h"

// Ticks 100 ms apart ("<": 99, "~": a second more); windows above, nearest first (B, O ordinary; M menu; T tooltip;
// L drop-down list; A away from the marker; C cloaked); "!" a menu in front; "+" raised.
TEST(TopmostRule, RaisesOverWhatCoversItGivesWayToWhatTheUserReadsAndToAWindowThatInsists) {
    const auto window = [](char c) {  // its letter is its handle
        const std::map<char, const wchar_t*> kClasses = {
            {'M', L"#32768"}, {'T', L"tooltips_class32"}, {'L', L"ComboLBox"}};
        return WindowAbove{static_cast<std::uintptr_t>(c), kClasses.contains(c) ? kClasses.at(c) : L"Bar", c != 'A',
                           c == 'C'};
    };
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
            ms += (tick[0] == '<' ? 99 : 100) + 1000 * std::count(tick.begin(), tick.end(), '~');
            for (const char c : tick)
                if (std::isupper(c)) above.push_back(window(c));
            EXPECT_EQ(rule.Raise(above, tick.find('!') != std::string::npos, ms), tick.back() == '+')
                << name << ": " << tick << " at " << ms;
        }
    }
}
