#pragma once
// The marker's popup menu: show/hide, the four value submenus, quit.
#include "platform/menu.h"

struct MarkerMenu {
    platform::MenuItem root;
    platform::MenuItem* showHide = nullptr;
    platform::MenuItem* quit = nullptr;
    platform::MenuArray glyphs;          // 1..8, the glyphs
    platform::MenuArray sizes;           // 1..16, points
    platform::MenuArray colors;          // 1..7
    platform::MenuArray translucencies;  // 0..10, tenths of translucency
};

// The tree with its captions and its design-time check marks (colour 1 and
// translucency 0), and no commands bound yet.
MarkerMenu BuildMarkerMenu();
