#pragma once
// The settings record: everything the program remembers between runs. The
// four appearance fields hold menu indexes, not sizes, colours or levels.
#include <cstdint>

extern std::int32_t lngTop;           // twips
extern std::int32_t lngLeft;          // twips
extern std::int16_t intPointerSize;   // 1..16
extern std::int16_t intPointerColor;  // 1..7
extern std::int16_t intTranslucence;  // 0..10
extern std::int16_t intPointerType;   // 1..8
extern bool blnDispPointer;

// Fills the record from strIniFile (defaults for what is missing). An index
// out of the 16-bit range raises the overflow error to the caller.
void LoadSettings();

// Writes the whole record to strIniFile; failures are ignored key by key.
void SaveSettings();
