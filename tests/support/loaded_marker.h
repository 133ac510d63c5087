#pragma once
// The marker window loaded with a given look and shown, without going
// through Main: for measurements and resource checks.
#include <cstdint>

#include "app/settings.h"
#include "pointer/frm_main.h"

inline bool LoadShownMarker(std::int16_t glyph, std::int16_t size = 16) {
    intPointerType = glyph;
    intPointerSize = size;
    intPointerColor = 6;
    intTranslucence = 5;
    blnDispPointer = true;
    frmMain.Load();
    return frmMain.IsLoaded();
}
