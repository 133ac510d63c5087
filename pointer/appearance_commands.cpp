// The four appearance commands of the popup menu's value submenus. Each moves
// the check mark, records the index in the settings record, applies the
// choice and reshapes the window.
#include <array>
#include <string>

#include "pointer/marker_window.h"
#include "pointer/translucency.h"

namespace {

// Clears every check mark of the array, then checks the indexed item. An
// index with no item raises only after all marks are cleared.
platform::MenuItem& MoveCheckMark(const platform::MenuArray& array, std::int16_t index) {
    for (platform::MenuItem* item : array.Items()) item->checked = false;
    platform::MenuItem& chosen = array(index);
    chosen.checked = true;
    return chosen;
}

float PointsOf(const platform::MenuItem& item) { return static_cast<float>(std::stoi(item.caption)); }

// The colour menu's colours, 0x00BBGGRR: colour index n is entry n - 1.
constexpr std::array<std::uint32_t, 7> kColors = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x008000, 0x0000FF, 0x00FFFF};

constexpr std::int16_t kRing = 2;
constexpr std::int16_t kDoubleRing = 3;

}  // namespace

void MarkerWindow::ChooseGlyph(std::int16_t& index) {
    if (index > menu_.glyphs.Count()) index = 1;
    const platform::MenuItem& item = MoveCheckMark(menu_.glyphs, index);
    settings_.glyphIndex = index;
    glyphText_ = item.caption;
    // Rings leave the real cursor visible in their centre; filled glyphs take
    // its place while they are shown.
    if (index == kRing || index == kDoubleRing) {
        Cursor().Show();
    } else if (settings_.shown) {
        Cursor().Hide();
    }
    Reshape();
}

void MarkerWindow::ChooseSize(std::int16_t& index) {
    const platform::MenuItem& item = MoveCheckMark(menu_.sizes, index);
    settings_.sizeIndex = index;
    SetFontSize(PointsOf(item));
    glyphLabel_.SetFontSize(PointsOf(item));
    Reshape();
}

void MarkerWindow::ChooseColor(std::int16_t& index) {
    MoveCheckMark(menu_.colors, index);
    settings_.colorIndex = index;
    const std::uint32_t color = kColors.at(static_cast<std::size_t>(index - 1));
    SetBackColor(color);
    SetFillColor(color);
    SetForeColor(color);
    Reshape();
}

void MarkerWindow::ChooseTranslucency(std::int16_t& index) {
    MoveCheckMark(menu_.translucencies, index);
    SetTranslucency(Handle(), index);
    settings_.translucencyIndex = index;
    Reshape();
}
