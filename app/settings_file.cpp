#include "app/settings_file.h"

#include <algorithm>
#include <array>

#include "app/numeric_text.h"
#include "platform/app.h"
#include "platform/text.h"
#include "platform/win.h"

namespace {

constexpr std::uint32_t kValueBufferSize = 256;

}  // namespace

bool SettingsFile::Bind(const std::wstring& path, bool recreate) {
    try {
        if (!platform::app::FileExists(path) || recreate) {
            if (!platform::app::CreateEmptyFile(path)) return false;
        }
        path_ = path;
        bound_ = true;
        return true;
    } catch (...) {
        return false;
    }
}

bool SettingsFile::Usable() const { return bound_ && platform::app::FileExists(path_); }

bool SettingsFile::Write(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    try {
        if (!Usable()) return false;
        return win::WritePrivateProfileStringA(platform::ToAnsi(section), platform::ToAnsi(key),
                                               platform::ToAnsi(value), path_);
    } catch (...) {
        return false;
    }
}

std::wstring SettingsFile::Read(const std::wstring& section, const std::wstring& key) {
    try {
        if (!Usable()) return {};
        std::array<char, kValueBufferSize> buffer{};
        const std::uint32_t copied = win::GetPrivateProfileStringA(platform::ToAnsi(section), platform::ToAnsi(key), "",
                                                                   buffer.data(), kValueBufferSize, path_);
        if (copied == 0) return {};
        const auto end = std::find(buffer.begin(), buffer.end(), '\0');
        return platform::FromAnsi(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.begin())));
    } catch (...) {
        return {};
    }
}

std::int16_t SettingsFile::ReadNumber(const std::wstring& section, const std::wstring& key, std::int16_t fallback) {
    return WholeNumber16(Read(section, key), fallback);
}
