// The four appearance commands of the popup menu's value submenus. Each moves
// the check mark, records the index in the settings record, applies the
// choice and reshapes the window.
#include <string>

#include "app/settings.h"
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

constexpr std::int16_t kRing = 2;
constexpr std::int16_t kDoubleRing = 3;

}  // namespace

void MarkerWindow::ChooseGlyph(std::int16_t& index) {
    if (index > menu.glyphs.Count()) index = 1;
    const platform::MenuItem& item = MoveCheckMark(menu.glyphs, index);
    glyphIndex = index;
    glyphText = item.caption;
    // Rings leave the real cursor visible in their centre; filled glyphs take
    // its place while they are shown.
    if (index == kRing || index == kDoubleRing) {
        Cursor().Show();
    } else if (markerShown) {
        Cursor().Hide();
    }
    Reshape();
}

void MarkerWindow::ChooseSize(std::int16_t& index) {
    const platform::MenuItem& item = MoveCheckMark(menu.sizes, index);
    sizeIndex = index;
    SetFontSize(PointsOf(item));
    glyphLabel.SetFontSize(PointsOf(item));
    Reshape();
}

void MarkerWindow::ChooseColor(std::int16_t& index) {
    MoveCheckMark(menu.colors, index);
    colorIndex = index;
    const auto color = static_cast<std::uint32_t>(kColorTable[static_cast<std::size_t>(index - 1)]);
    SetBackColor(color);
    SetFillColor(color);
    SetForeColor(color);
    Reshape();
}

void MarkerWindow::ChooseTranslucency(std::int16_t& index) {
    MoveCheckMark(menu.translucencies, index);
    SetTranslucency(Handle(), index);
    translucencyIndex = index;
    Reshape();
}
