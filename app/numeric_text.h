#pragma once
// Numbers stored as text: plain signed decimals with an optional fraction,
// blanks around them allowed. A fraction goes to the nearest whole number,
// a half to the even neighbour (6.5 -> 6, 7.5 -> 8).
#include <cstdint>
#include <optional>
#include <string_view>

// `fallback` when the text is not such a number (letters, exponents, "&H" and
// thousands separators included); empty when it is one outside [low, high].
std::optional<std::int64_t> WholeNumber(std::wstring_view text, std::int64_t fallback, std::int64_t low,
                                        std::int64_t high);
