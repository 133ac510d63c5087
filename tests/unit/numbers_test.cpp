// Numbers as the settings file stores them: decimals go to the nearest whole
// number (a half to the even one), other text gives the fallback, and a
// number outside the range raises the overflow error.
#include <gtest/gtest.h>

#include <optional>

#include "app/numeric_text.h"
#include "platform/error.h"

namespace {

struct Case {
    const wchar_t* text;
    std::optional<std::int64_t> value;  // empty: overflow
};

template <typename Read>
std::optional<std::int64_t> Outcome(Read read, const wchar_t* text) {
    try {
        return read(text);
    } catch (const platform::RaisedError& error) {
        EXPECT_EQ(error.Number(), platform::kErrOverflow);
        return std::nullopt;
    }
}

}  // namespace

TEST(StoredNumbers, IndexesAreSixteenBitAndPositionsThirtyTwo) {
    const auto read16 = [](const wchar_t* t) { return WholeNumber16(t, 99); };
    const auto read32 = [](const wchar_t* t) { return WholeNumber32(t, 1000); };
    for (const Case& c : {Case{L"6.5", 6},     {L"7.5", 8},     {L"12.5", 12},
                          {L"-2.5", -2},       {L"2.51", 3},    {L" -3\t", -3},
                          {L"+4", 4},          {L"007", 7},     {L"-32768", -32768},
                          {L"32767.4", 32767}, {L"abc", 99},    {L"1e3", 99},
                          {L"12abc", 99},      {L"", 99},       {L"&H10", 99},
                          {L"1,000", 99},      {L".", 99},      {L"32768", {}},
                          {L"32767.5", {}},    {L"-32769", {}}, {L"99999999999999999999999", {}}}) {
        EXPECT_EQ(Outcome(read16, c.text), c.value) << c.text;
    }
    for (const Case& c : {Case{L"-40000", -40000},
                          {L"1000.5", 1000},
                          {L"2147483647", 2147483647},
                          {L"x", 1000},
                          {L"-2147483648", -2147483648LL},
                          {L"2147483648", {}},
                          {L"-2147483648.6", {}}}) {
        EXPECT_EQ(Outcome(read32, c.text), c.value) << c.text;
    }
}
