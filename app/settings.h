#pragma once
// Everything the program remembers between runs, and its place in the
// settings file. The four appearance fields hold menu indexes, not sizes,
// colours or levels.
#include <cstdint>
#include <string>

struct Settings {
    std::int32_t top = 0;                // twips
    std::int32_t left = 0;               // twips
    std::int16_t sizeIndex = 0;          // 1..16
    std::int16_t colorIndex = 0;         // 1..7
    std::int16_t translucencyIndex = 0;  // 0..10
    std::int16_t glyphIndex = 0;         // 1..8
    bool shown = false;
};

// The settings in the file at `path`, defaults for what is missing. An index
// out of the 16-bit range raises the overflow error to the caller.
Settings LoadSettings(const std::wstring& path);

// Writes every field to the file; failures are ignored key by key.
void SaveSettings(const Settings& settings, const std::wstring& path);
