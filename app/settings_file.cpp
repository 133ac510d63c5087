#include "app/settings_file.h"

#include <windows.h>

#include <array>

#include "app/numeric_text.h"
#include "platform/error.h"
#include "platform/text.h"
#include "platform/unique_handle.h"

namespace {

bool FileExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool SettingsFile::Bind(const std::wstring& path) {
    // A file that is there but cannot be looked at for a moment (a share that
    // answers late, access refused) fails the binding rather than being made
    // again: CREATE_NEW never opens a file that exists.
    if (!FileExists(path)) {
        const UniqueFile created(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!created) return false;
    }
    path_ = path;
    bound_ = true;
    return true;
}

bool SettingsFile::Usable() const { return bound_ && FileExists(path_); }

bool SettingsFile::Write(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    return Usable() && ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path_.c_str());
}

std::wstring SettingsFile::Read(const std::wstring& section, const std::wstring& key) {
    if (!Usable()) return {};
    // The wide call takes a path outside the code page; the value is cut as
    // the narrow call's 256-byte buffer would cut it.
    std::array<wchar_t, 256> buffer{};
    const DWORD chars = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), path_.c_str());
    const std::wstring value(buffer.data(), chars);
    return value.empty() ? value : FromAnsi(AnsiPrefix(value, buffer.size() - 1));
}

std::int16_t SettingsFile::ReadNumber(const std::wstring& section, const std::wstring& key, std::int16_t fallback) {
    const auto number = WholeNumber(Read(section, key), fallback, INT16_MIN, INT16_MAX);
    if (!number) RaiseOverflow();
    return static_cast<std::int16_t>(*number);
}

std::optional<Settings> LoadSettings(const std::wstring& path) {
    // A save cut between the old file's removal and its copy's rename (where
    // the drive has no replace in one step, such as a USB stick pulled) left
    // the copy alone, whole: it was read back before the replace began. It
    // becomes the file. Beside a file, a copy is a save's leftover, which the
    // next save removes.
    ::MoveFileExW((path + L".saving").c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
    SettingsFile file;
    // One that is there but cannot be looked at for a moment: a failed start,
    // never the defaults saved over it at the quit.
    if (!file.Bind(path) && ::GetLastError() == ERROR_FILE_EXISTS) return std::nullopt;
    StoredValues values;
    for (std::size_t i = 0; i < kStoredKeys.size(); ++i)
        values[i] = file.Read(kStoredKeys[i].section, kStoredKeys[i].key);
    return SettingsFrom(values);
}
