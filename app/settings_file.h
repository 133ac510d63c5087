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
    // Binds the object to the file, creating it empty when it does not exist;
    // one that exists is never emptied. A failed call leaves the binding as it
    // was.
    bool Bind(const std::wstring& path);

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

// The file is created empty when missing, unless a save's copy was left alone
// in its place. Empty when a stored value is one the program cannot start with.
std::optional<Settings> LoadSettings(const std::wstring& path);

// Puts the seven values in the file so that it is either the old file, whole,
// or the new one, whole: they go into a copy beside it, every write is checked
// and the copy is read back (the seven values, and every other section and key
// as they were) before it replaces the file in one step. While another program
// holds the file, the replace is tried again for about two seconds. Any failure
// leaves the file as it was and no copy behind. Only a folder that refuses a
// new file has the values written in place. Answers whether they were saved.
bool SaveSettings(const Settings& settings, const std::wstring& path) noexcept;

// The seven values written one by one into the file itself, each failure
// ignored. Answers whether every write was accepted.
bool WriteSettingsInPlace(const Settings& settings, const std::wstring& path);
