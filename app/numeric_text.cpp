#include "app/numeric_text.h"

#include <string>

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

std::optional<std::int64_t> WholeNumber(std::wstring_view text, std::int64_t fallback, std::int64_t low,
                                        std::int64_t high) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    std::string whole, fraction;  // whole without leading zeros
    std::size_t i = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (!whole.empty() || text[i] != L'0') whole += static_cast<char>(text[i]);
    }
    const std::size_t wholeDigits = i;
    if (i < text.size() && text[i] == L'.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) fraction += static_cast<char>(text[i]);
    }
    if (i != text.size() || (wholeDigits == 0 && fraction.empty())) return fallback;
    // More than 18 digits fits no range we use, nor the arithmetic below.
    if (whole.size() > 18) return std::nullopt;
    std::int64_t magnitude = 0;
    for (char d : whole) magnitude = magnitude * 10 + (d - '0');
    if (!fraction.empty()) {
        const bool restNonZero = fraction.find_first_not_of('0', 1) != std::string::npos;
        if (fraction[0] > '5' || (fraction[0] == '5' && (restNonZero || magnitude % 2 == 1))) ++magnitude;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < low || value > high) return std::nullopt;
    return value;
}
