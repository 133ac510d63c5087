// When the marker goes back above a window over it: each case a run of ticks, the rule's answer at each.
#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "pointer/topmost_rule.h"

// Ticks 100 ms apart ("<": 99, "~": a second more); windows above, nearest first: B, O another program's; M menu,
// T tooltip, L drop-down list; C cloaked; F the front window, owned by its root R; P a popup of the front thread;
// Q one of another thread owned by R; S the taskbar on the front thread, D a second one owned by R. Lower case: below
// the marker but still over its place. "!" a menu in front; "+" raised.
TEST(TopmostRule, RaisesOverWhatCoversItGivesWayToWhatTheUserReadsAndToEachWindowThatInsists) {
    const auto window = [](char c) {  // its letter is its handle
        const wchar_t* const kClasses[] = {L"#32768",        L"tooltips_class32",       L"ComboLBox",
                                           L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd", L"Bar"};
        const auto among = [c](std::string_view letters) { return letters.find(c) != letters.npos; };
        return WindowAbove{static_cast<std::uintptr_t>(c),
                           kClasses[std::min<std::size_t>(std::string_view("MTLSD").find(c), 5)],
                           among("FRPS") ? 7u : c, among("FQD") ? std::uintptr_t{'R'} : std::uintptr_t(c), c == 'C'};
    };
    const std::pair<const char*, const char*> kCases[] = {
        {"an ordinary window, at most every 100 ms", "B+ <B B+"},
        {"a menu, a tooltip, a list, even behind another; a menu in front", "M T BL B! B+"},
        {"cloaked", "C CB+"},
        {"the front window and its root, not what the front thread or root shows over them", "F+ R+ P BQ FP B+"},
        {"the taskbar, also on the front thread or owned by its root", "S+ D+"},
        {"takes the top back three times within 2 s: left above, past the 2 s", "B+ B+ B+ B ~~B"},
        {"one insisting holds no other back, nor is fought again when under the marker", "B+ B+ B+ B OB+ b B OB+"},
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
            const InFront front{'F', 'R', 7, tick.find('!') != std::string::npos};
            const auto underMarker = [&](std::uintptr_t id) {
                return tick.find(static_cast<char>(std::tolower(static_cast<int>(id)))) != std::string::npos;
            };
            EXPECT_EQ(rule.Raise(above, front, ms, underMarker), tick.back() == '+')
                << name << ": " << tick << " at " << ms;
        }
    }
}
