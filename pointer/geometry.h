#pragma once
// Pixels, twips and centring: whole numbers, halves to the even neighbour.
#include <cstdint>

// num / den (den > 0) to the nearest whole number, a half to the even one.
constexpr std::int64_t RoundHalfToEven(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den;
    if (num % den != 0 && num < 0) --q;  // towards minus infinity
    const std::int64_t twiceRest = 2 * (num - q * den);
    if (twiceRest > den || (twiceRest == den && q % 2 != 0)) ++q;
    return q;
}

// The edge that centres an extent on the cursor: cursor - extent / 2.
constexpr int CentredEdge(int cursor, int extent) {
    return static_cast<int>(RoundHalfToEven(2 * static_cast<std::int64_t>(cursor) - extent, 2));
}

// 1440 twips to the inch.
constexpr std::int64_t PixelsToTwips(std::int64_t pixels, int dpi) { return RoundHalfToEven(pixels * 1440, dpi); }
constexpr std::int64_t TwipsToPixels(std::int64_t twips, int dpi) { return RoundHalfToEven(twips * dpi, 1440); }
