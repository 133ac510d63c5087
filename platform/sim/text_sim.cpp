// The simulated desktop's ANSI code page is Windows-1252.
#include <array>

#include "platform/text.h"

namespace platform {
namespace {

// 0x80..0x9F of code page 1252; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ToByte(wchar_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] != 0 && kHigh[i] == static_cast<char16_t>(c)) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string ToAnsi(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) out += ToByte(c);
    return out;
}

std::wstring FromAnsi(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u <= 0x9F) {
            char16_t mapped = kHigh[u - 0x80];
            out += mapped ? static_cast<wchar_t>(mapped) : static_cast<wchar_t>(u);
        } else {
            out += static_cast<wchar_t>(u);
        }
    }
    return out;
}

}  // namespace platform
