#pragma once
// The marker window loaded with a given look and shown, without going
// through the program's start: for measurements.
#include <cstdint>
#include <memory>

#include "app/settings.h"
#include "pointer/marker_window.h"

struct LoadedMarker {
    explicit LoadedMarker(std::int16_t glyph) {
        settings.glyphIndex = glyph;
        settings.sizeIndex = 16;
        settings.colorIndex = 6;
        settings.translucencyIndex = 5;
        settings.shown = true;
        window.Load();
    }
    ~LoadedMarker() { window.Discard(); }

    Settings settings;
    MarkerWindow window{settings, L""};
};
