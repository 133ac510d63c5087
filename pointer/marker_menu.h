#pragma once
// The popup menu's tables and command ids. A value submenu's item is chosen
// by its index, which is also what the settings store: glyph, size and colour
// count from 1, translucency from 0.
#include <array>
#include <cstdint>
#include <optional>

inline constexpr std::array<const wchar_t*, 8> kGlyphs = {L"●", L"○", L"◎", L"▲", L"★", L"♪", L"■", L"↑"};
inline constexpr std::array<int, 16> kPointSizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
inline constexpr std::array<const wchar_t*, 7> kColorNames = {L"黒", L"白", L"青", L"黄緑", L"緑", L"赤", L"黄"};
inline constexpr std::array<std::uint32_t, 7> kColors = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                                         0x008000, 0x0000FF, 0x00FFFF};  // 0x00BBGGRR
// Alpha of translucency levels 1..10 ("10%".."100%"): fixed steps, not a
// formula. Level 0 is opaque, without the layered style.
inline constexpr std::array<std::uint8_t, 10> kAlphaByLevel = {230, 210, 190, 165, 135, 105, 75, 45, 15, 0};

enum class MenuGroup { Glyph, Size, Color, Translucency };

struct IndexRange {
    int first;
    int count;
    constexpr bool Holds(int index) const { return index >= first && index < first + count; }
};

constexpr IndexRange RangeOf(MenuGroup group) {
    switch (group) {
        case MenuGroup::Glyph:
            return {1, static_cast<int>(kGlyphs.size())};
        case MenuGroup::Size:
            return {1, static_cast<int>(kPointSizes.size())};
        case MenuGroup::Color:
            return {1, static_cast<int>(kColors.size())};
        case MenuGroup::Translucency:
            return {0, static_cast<int>(kAlphaByLevel.size()) + 1};
    }
    return {0, 0};
}

inline constexpr unsigned kShowHideCommand = 1;
inline constexpr unsigned kQuitCommand = 2;

// Value items: 100 per group, plus the item's index.
constexpr unsigned CommandId(MenuGroup group, int index) {
    return 100 * (static_cast<unsigned>(group) + 1) + static_cast<unsigned>(index);
}

struct MenuChoice {
    MenuGroup group;
    int index;
};

// The value item a command id stands for; empty for any other id.
constexpr std::optional<MenuChoice> ChoiceOf(unsigned id) {
    if (id < 100 || id >= 500) return std::nullopt;
    const MenuChoice choice{static_cast<MenuGroup>(id / 100 - 1), static_cast<int>(id % 100)};
    if (!RangeOf(choice.group).Holds(choice.index)) return std::nullopt;
    return choice;
}
