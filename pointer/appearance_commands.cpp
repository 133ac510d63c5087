// The four appearance commands of the popup menu's value submenus. Each moves
// the check mark, records the index in the settings record, applies the
// choice and reshapes the window.
#include <string>

#include "app/settings.h"
#include "pointer/frm_main.h"
#include "pointer/trans.h"

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

void FrmMain::mnuPointerTypeValue_Click(std::int16_t& Index) {
    if (Index > menus.mnuPointerTypeValue.Count()) Index = 1;
    const platform::MenuItem& item = MoveCheckMark(menus.mnuPointerTypeValue, Index);
    intPointerType = Index;
    strPointerText = item.caption;
    // Rings leave the real cursor visible in their centre; filled glyphs take
    // its place while they are shown.
    if (Index == kRing || Index == kDoubleRing) {
        MouseControl().Show();
    } else if (blnDispPointer) {
        MouseControl().Hide();
    }
    timClock_Timer();
}

void FrmMain::mnuFontSizeValue_Click(std::int16_t& Index) {
    const platform::MenuItem& item = MoveCheckMark(menus.mnuFontSizeValue, Index);
    intPointerSize = Index;
    SetFontSize(PointsOf(item));
    lblTemplate.SetFontSize(PointsOf(item));
    timClock_Timer();
}

void FrmMain::mnuFontColorValue_Click(std::int16_t& Index) {
    MoveCheckMark(menus.mnuFontColorValue, Index);
    intPointerColor = Index;
    const auto color = static_cast<std::uint32_t>(lngColorTable[static_cast<std::size_t>(Index - 1)]);
    SetBackColor(color);
    SetFillColor(color);
    SetForeColor(color);
    timClock_Timer();
}

void FrmMain::mnuTransValue_Click(std::int16_t& Index) {
    MoveCheckMark(menus.mnuTransValue, Index);
    SetTranslucence(hWnd(), Index);
    intTranslucence = Index;
    timClock_Timer();
}
