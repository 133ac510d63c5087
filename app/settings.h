#pragma once
// The settings record: everything the program remembers between runs. The
// four appearance fields hold menu indexes, not sizes, colours or levels.
#include <cstdint>

extern std::int32_t storedTop;          // twips
extern std::int32_t storedLeft;         // twips
extern std::int16_t sizeIndex;          // 1..16
extern std::int16_t colorIndex;         // 1..7
extern std::int16_t translucencyIndex;  // 0..10
extern std::int16_t glyphIndex;         // 1..8
extern bool markerShown;

// Fills the record from settingsPath (defaults for what is missing). An index
// out of the 16-bit range raises the overflow error to the caller.
void LoadSettings();

// Writes the whole record to settingsPath; failures are ignored key by key.
void SaveSettings();
