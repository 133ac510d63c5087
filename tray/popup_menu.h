#pragma once
// The marker's popup menu: show/hide, the four value submenus, quit.
#include "platform/menu.h"

struct PopupMenuTree {
    platform::MenuItem mnuPopup;
    platform::MenuItem* mnuShowHide_Click = nullptr;
    platform::MenuItem* mnuQuit = nullptr;
    platform::MenuArray mnuPointerTypeValue;  // 1..8, the glyphs
    platform::MenuArray mnuFontSizeValue;     // 1..16, points
    platform::MenuArray mnuFontColorValue;    // 1..7
    platform::MenuArray mnuTransValue;        // 0..10, tenths of translucency
};

// The tree with its captions and its design-time check marks (colour 1 and
// translucency 0), and no commands bound yet.
PopupMenuTree BuildPopupMenu();
