#pragma once
// The settings file: one private-profile (.ini) file, bound once by path and
// read and written value by value, and the settings' load and save over it.
// Failures come back as false, empty text or the default; only the numeric
// read raises (a number outside 16 bits).
#include <cstdint>
#include <optional>
#include <string>

#include "app/settings.h"

class SettingsFile {
public:
    // Binds the object to the file, creating it empty when it does not exist
    // or when recreate is true. A failed call leaves the binding as it was.
    bool Bind(const std::wstring& path, bool recreate);

    // Never recreates a file that vanished after Bind.
    bool Write(const std::wstring& section, const std::wstring& key, const std::wstring& value);

    // At most 255 bytes of the value in the ANSI code page, never splitting a
    // character; empty text when there is none.
    std::wstring Read(const std::wstring& section, const std::wstring& key);

    // The value as a 16-bit number, fallback when it is not a number.
    std::int16_t ReadNumber(const std::wstring& section, const std::wstring& key, std::int16_t fallback);

private:
    bool Usable() const;

    std::wstring path_;
    bool bound_ = false;
};

// The file is created empty when missing. Empty when a stored value is one the
// program cannot start with.
std::optional<Settings> LoadSettings(const std::wstring& path);

// Writes the seven values to a copy beside the file and puts the copy in the
// file's place in one step, so that an interrupted save leaves the old file
// whole. Where no copy can be made (a folder that cannot be written) it
// writes in place; where the file cannot be replaced, nothing is written.
void SaveSettings(const Settings& settings, const std::wstring& path);

// The seven values written one by one into the file itself.
void WriteSettingsInPlace(const Settings& settings, const std::wstring& path);
