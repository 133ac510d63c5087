#pragma once
// The marker window loaded with a given look and shown, without going
// through Main: for measurements and resource checks.
#include <cstdint>

#include "app/settings.h"
#include "pointer/marker_window.h"

inline bool LoadShownMarker(std::int16_t glyph, std::int16_t size = 16) {
    glyphIndex = glyph;
    sizeIndex = size;
    colorIndex = 6;
    translucencyIndex = 5;
    markerShown = true;
    markerWindow.Load();
    return markerWindow.IsLoaded();
}
