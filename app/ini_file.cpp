#include "app/ini_file.h"

#include <algorithm>
#include <array>

#include "app/numeric_text.h"
#include "platform/app.h"
#include "platform/text.h"
#include "platform/win.h"

namespace {

constexpr std::uint32_t kValueBufferSize = 256;

}  // namespace

bool clsIniFile::setFile(const std::wstring& IstrFilePath, bool IblnInit) {
    try {
        if (!platform::app::FileExists(IstrFilePath) || IblnInit) {
            if (!platform::app::CreateEmptyFile(IstrFilePath)) return false;
        }
        strFilePath = IstrFilePath;
        blnReady = true;
        return true;
    } catch (...) {
        return false;
    }
}

bool clsIniFile::Usable() const { return blnReady && platform::app::FileExists(strFilePath); }

bool clsIniFile::setValue(const std::wstring& IstrSection, const std::wstring& IstrKeyName,
                          const std::wstring& IstrValue) {
    try {
        if (!Usable()) return false;
        return win::WritePrivateProfileStringA(platform::ToAnsi(IstrSection), platform::ToAnsi(IstrKeyName),
                                               platform::ToAnsi(IstrValue), strFilePath);
    } catch (...) {
        return false;
    }
}

std::wstring clsIniFile::getValue(const std::wstring& IstrSection, const std::wstring& IstrKeyName) {
    try {
        if (!Usable()) return {};
        std::array<char, kValueBufferSize> buffer{};
        const std::uint32_t copied =
            win::GetPrivateProfileStringA(platform::ToAnsi(IstrSection), platform::ToAnsi(IstrKeyName), "",
                                          buffer.data(), kValueBufferSize, strFilePath);
        if (copied == 0) return {};
        const auto end = std::find(buffer.begin(), buffer.end(), '\0');
        return platform::FromAnsi(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.begin())));
    } catch (...) {
        return {};
    }
}

std::int16_t clsIniFile::getIntValue(const std::wstring& IstrSection, const std::wstring& IstrKeyName,
                                     std::int16_t IintValue) {
    return WholeNumber16(getValue(IstrSection, IstrKeyName), IintValue);
}
