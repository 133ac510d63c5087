#include "app/settings.h"

#include <limits>

#include "app/numeric_text.h"
#include "pointer/marker_menu.h"

namespace {

template <typename T>
std::optional<std::int64_t> Number(const std::wstring& text, std::int64_t fallback) {
    return WholeNumber(text, fallback, std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
}

// A 16-bit menu index that must name an item of its submenu.
bool ReadIndex(const std::wstring& text, int fallback, MenuGroup group, int& index) {
    const auto number = Number<std::int16_t>(text, fallback);
    if (!number || !RangeOf(group).Holds(static_cast<int>(*number))) return false;
    index = static_cast<int>(*number);
    return true;
}

}  // namespace

std::optional<Settings> SettingsFrom(const StoredValues& values) {
    Settings s;
    const auto top = Number<std::int32_t>(values[0], s.top);
    const auto left = Number<std::int32_t>(values[1], s.left);
    auto glyph = Number<std::int16_t>(values[5], s.glyphIndex);
    if (glyph && *glyph > RangeOf(MenuGroup::Glyph).count) glyph = 1;
    if (!top || !left || !glyph || *glyph < 1 || !ReadIndex(values[2], s.sizeIndex, MenuGroup::Size, s.sizeIndex) ||
        !ReadIndex(values[3], s.colorIndex, MenuGroup::Color, s.colorIndex) ||
        !ReadIndex(values[4], s.translucencyIndex, MenuGroup::Translucency, s.translucencyIndex)) {
        return std::nullopt;
    }
    s.top = static_cast<std::int32_t>(*top);
    s.left = static_cast<std::int32_t>(*left);
    s.glyphIndex = static_cast<int>(*glyph);
    s.shown = values[6] == L"True";
    return s;
}

StoredValues ValuesOf(const Settings& s) {
    return {std::to_wstring(s.top),
            std::to_wstring(s.left),
            std::to_wstring(s.sizeIndex),
            std::to_wstring(s.colorIndex),
            std::to_wstring(s.translucencyIndex),
            std::to_wstring(s.glyphIndex),
            s.shown ? L"True" : L"False"};
}
