#pragma once
// Numbers stored as text: plain signed decimals with an optional fraction,
// blanks around them allowed. A fraction goes to the nearest whole number,
// a half to the even neighbour (6.5 -> 6, 7.5 -> 8).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct DecimalText {
    bool negative = false;
    std::string wholeDigits;     // without leading zeros; empty for zero
    std::string fractionDigits;  // as written
};

// Empty when the text is not such a number (letters, exponents, "&H" and
// thousands separators included).
std::optional<DecimalText> ParseDecimalText(std::wstring_view text);

// The nearest whole number; raises the overflow error outside [low, high].
std::int64_t RoundToWhole(const DecimalText& number, std::int64_t low, std::int64_t high);

// The text as a 16-bit or 32-bit whole number, or `fallback` when it is not a
// number. Out-of-range numbers raise the overflow error.
std::int16_t WholeNumber16(std::wstring_view text, std::int16_t fallback);
std::int32_t WholeNumber32(std::wstring_view text, std::int32_t fallback);
