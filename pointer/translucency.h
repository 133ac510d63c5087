#pragma once
// Uniform translucency of a top-level window through the layered-window
// style. Keeps no state: the window itself holds whether it is layered.
#include <cstdint>

// Levels 1..10 apply the table's alpha; any other level makes the window opaque.
void SetTranslucency(void* hwnd, std::int16_t level);
void ApplyLayeredAlpha(void* hwnd, std::uint8_t alpha);
void RemoveLayeredStyle(void* hwnd);
