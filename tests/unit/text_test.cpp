// Text handed to narrow Windows calls is cut to a number of bytes without
// splitting a double-byte character (code page 932 here).
#include <gtest/gtest.h>

#include "platform/text.h"

TEST(AnsiPrefix, FillsTheLimitWithoutSplittingACharacter) {
    const std::wstring kana(200, L'あ');  // two bytes each
    struct Case {
        std::wstring text;
        std::size_t limit;
        std::size_t bytes;
    };
    const Case cases[] = {{L"a" + kana, 255, 255},
                          {kana, 255, 254},
                          {L"a" + kana, 63, 63},
                          {kana, 63, 62},
                          {std::wstring(300, L'x'), 255, 255},
                          {L"Trailglint", 63, 10},
                          {L"★", 1, 0},
                          {L"", 5, 0}};
    for (const Case& c : cases) {
        const std::string cut = platform::AnsiPrefix(c.text, c.limit);
        EXPECT_EQ(cut.size(), c.bytes) << c.text.size() << " characters into " << c.limit;
        const std::wstring back = platform::FromAnsi(cut);
        EXPECT_EQ(back, c.text.substr(0, back.size())) << "a whole-character prefix";
    }
}
