#pragma once
// The screen's twips-per-pixel factors (15 at 96 dots per inch).

namespace platform::screen {

float TwipsPerPixelX();
float TwipsPerPixelY();

}  // namespace platform::screen
