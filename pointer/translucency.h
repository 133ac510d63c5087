#pragma once
// Uniform translucency of a top-level window through the layered style. Keeps
// no state: the window itself holds whether it is layered.
#include <windows.h>

// Levels 1..10 apply their alpha; any other level makes the window opaque.
void SetTranslucency(HWND window, int level);
// Makes the window layered if it is not yet, and sets the alpha.
void ApplyLayeredAlpha(HWND window, BYTE alpha);
// Makes the window opaque again, if it is layered.
void RemoveLayeredStyle(HWND window);
