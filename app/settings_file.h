#pragma once
// One private-profile (.ini) file, bound once by path, read and written value
// by value. Failures come back as false, empty text or the default; only the
// numeric read raises (an out-of-range number).
#include <cstdint>
#include <string>

class SettingsFile {
public:
    // Binds the object to the file, creating it empty when it does not exist
    // or when recreate is true. A failed call leaves the binding as it was.
    bool Bind(const std::wstring& path, bool recreate);

    // Never recreates a file that vanished after Bind.
    bool Write(const std::wstring& section, const std::wstring& key, const std::wstring& value);

    // At most 255 bytes of the value; empty text when there is none.
    std::wstring Read(const std::wstring& section, const std::wstring& key);

    // The value as a 16-bit number, fallback when it is not a number.
    std::int16_t ReadNumber(const std::wstring& section, const std::wstring& key, std::int16_t fallback);

private:
    bool Usable() const;

    std::wstring path_;
    bool bound_ = false;
};
