#include "app/numeric_text.h"

#include <limits>

#include "platform/error.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

std::optional<DecimalText> ParseDecimalText(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

    DecimalText number;
    if (!text.empty() && (text.front() == L'+' || text.front() == L'-')) {
        number.negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    std::size_t i = 0;
    bool anyDigit = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        anyDigit = true;
        if (!number.wholeDigits.empty() || text[i] != L'0') number.wholeDigits += static_cast<char>(text[i]);
    }
    if (i < text.size() && text[i] == L'.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            anyDigit = true;
            number.fractionDigits += static_cast<char>(text[i]);
        }
    }
    if (!anyDigit || i != text.size()) return std::nullopt;
    return number;
}

std::int64_t RoundToWhole(const DecimalText& number, std::int64_t low, std::int64_t high) {
    // More than 18 digits cannot fit any range we use, and would not fit the
    // arithmetic below either.
    if (number.wholeDigits.size() > 18) platform::RaiseOverflow();
    std::int64_t magnitude = 0;
    for (char d : number.wholeDigits) magnitude = magnitude * 10 + (d - '0');

    const std::string& f = number.fractionDigits;
    if (!f.empty()) {
        const bool restNonZero = f.find_first_not_of('0', 1) != std::string::npos;
        if (f[0] > '5' || (f[0] == '5' && (restNonZero || magnitude % 2 == 1))) ++magnitude;
    }
    const std::int64_t value = number.negative ? -magnitude : magnitude;
    if (value < low || value > high) platform::RaiseOverflow();
    return value;
}

std::int16_t WholeNumber16(std::wstring_view text, std::int16_t fallback) {
    const auto number = ParseDecimalText(text);
    if (!number) return fallback;
    return static_cast<std::int16_t>(
        RoundToWhole(*number, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

std::int32_t WholeNumber32(std::wstring_view text, std::int32_t fallback) {
    const auto number = ParseDecimalText(text);
    if (!number) return fallback;
    return static_cast<std::int32_t>(
        RoundToWhole(*number, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}
