#pragma once
// Everything the program remembers between runs, as it keeps it and as the
// settings file holds it. The four appearance fields are menu indexes.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct Settings {
    std::int32_t top = 1000;   // twips
    std::int32_t left = 1000;  // twips
    int sizeIndex = 16;        // 72 points
    int colorIndex = 6;        // red
    int translucencyIndex = 5;
    int glyphIndex = 1;  // ●
    bool shown = false;
};

struct StoredKey {
    const wchar_t* section;
    const wchar_t* key;
};

// The file's keys, in the order they are written.
inline constexpr std::array<StoredKey, 7> kStoredKeys = {{{L"Window Design", L"Top"},
                                                          {L"Window Design", L"Left"},
                                                          {L"Window Design", L"Pointer Size"},
                                                          {L"Window Design", L"Pointer Color"},
                                                          {L"Window Design", L"Translucence"},
                                                          {L"Window Design", L"Pointer Type"},
                                                          {L"Config", L"Disp Pointer"}}};

// The values of kStoredKeys as text, in the same order; empty when missing.
using StoredValues = std::array<std::wstring, kStoredKeys.size()>;

// The settings the stored values give: defaults for what is missing or not a
// number. Empty when a value is one the program cannot start with: an index
// outside 16 bits or with no menu item, a glyph index below 1, a position
// outside 32 bits. A glyph index above the last is the first glyph.
std::optional<Settings> SettingsFrom(const StoredValues& values);

StoredValues ValuesOf(const Settings& settings);
