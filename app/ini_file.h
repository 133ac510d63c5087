#pragma once
// One private-profile (.ini) file, bound once by path, read and written value
// by value. Failures come back as false, empty text or the default; only the
// numeric read raises (an out-of-range number).
#include <cstdint>
#include <string>

class clsIniFile {
public:
    // Binds the object to the file, creating it empty when it does not exist
    // or when IblnInit is true. A failed call leaves the binding as it was.
    bool setFile(const std::wstring& IstrFilePath, bool IblnInit);

    // Never recreates a file that vanished after setFile.
    bool setValue(const std::wstring& IstrSection, const std::wstring& IstrKeyName, const std::wstring& IstrValue);

    // At most 255 bytes of the value; empty text when there is none.
    std::wstring getValue(const std::wstring& IstrSection, const std::wstring& IstrKeyName);

    // The value as a 16-bit number, IintValue when it is not a number.
    std::int16_t getIntValue(const std::wstring& IstrSection, const std::wstring& IstrKeyName, std::int16_t IintValue);

private:
    bool Usable() const;

    std::wstring strFilePath;
    bool blnReady = false;
};
