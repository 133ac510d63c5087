// Stored values as the settings file holds them: numbers go to the nearest
// whole number (a half to the even one), other text gives the default, and a
// value the program cannot start with gives no settings at all.
#include <gtest/gtest.h>

#include <optional>

#include "app/numeric_text.h"
#include "app/settings.h"

TEST(StoredNumbers, RoundHalvesToEvenAndFallBackOnAnythingElse) {
    const std::optional<std::int64_t> kOut;  // outside the range
    const std::pair<const wchar_t*, std::optional<std::int64_t>> kCases[] = {
        {L"6.5", 6},      {L"7.5", 8},        {L"-2.7", -3},       {L"12.7", 13},
        {L"2.51", 3},     {L" -3\t", -3},     {L"+4", 4},          {L"007", 7},
        {L".5", 0},       {L"0.", 0},         {L"-32768", -32768}, {L"32767.4", 32767},
        {L"abc", 99},     {L"1e3", 99},       {L"12abc", 99},      {L"", 99},
        {L"&H10", 99},    {L"1,000", 99},     {L".", 99},          {L"-", 99},
        {L"32768", kOut}, {L"32767.5", kOut}, {L"-32769", kOut},   {L"99999999999999999999999", kOut}};
    for (const auto& [text, value] : kCases) EXPECT_EQ(WholeNumber(text, 99, -32768, 32767), value) << text;
}

TEST(StoredSettings, DefaultsChecksAndTheGlyphCorrection) {
    const auto from = [](std::initializer_list<std::pair<std::size_t, const wchar_t*>> values) {
        StoredValues stored;
        for (const auto& [key, text] : values) stored[key] = text;
        return SettingsFrom(stored);
    };
    const std::optional<Settings> defaults = from({});
    ASSERT_TRUE(defaults);
    EXPECT_EQ(ValuesOf(*defaults), (StoredValues{L"1000", L"1000", L"16", L"6", L"5", L"1", L"False"}));

    // Keys by position: 0 Top, 1 Left, 2 size, 3 colour, 4 translucency, 5 glyph, 6 shown.
    const auto kept =
        from({{0, L"-40000"}, {1, L"2147483647"}, {2, L"1"}, {3, L"7"}, {4, L"0"}, {5, L"8"}, {6, L"True"}});
    ASSERT_TRUE(kept);
    EXPECT_EQ(ValuesOf(*kept), (StoredValues{L"-40000", L"2147483647", L"1", L"7", L"0", L"8", L"True"}));
    for (const wchar_t* notShown : {L"true", L"-1", L" True", L""}) EXPECT_FALSE(from({{6, notShown}})->shown);
    for (const wchar_t* above : {L"9", L"300", L"32767"}) EXPECT_EQ(from({{5, above}})->glyphIndex, 1) << above;
    EXPECT_EQ(from({{2, L"abc"}, {3, L""}, {5, L"x"}})->sizeIndex, 16);

    const std::pair<std::size_t, const wchar_t*> kRefused[] = {
        {2, L"17"}, {2, L"0"}, {2, L"40000"}, {3, L"0"},     {3, L"8"},          {4, L"11"},
        {4, L"-1"}, {5, L"0"}, {5, L"-3"},    {5, L"32768"}, {0, L"2147483648"}, {1, L"-2147483649"}};
    for (const auto& [key, text] : kRefused) EXPECT_FALSE(from({{key, text}})) << key << "=" << text;
}
