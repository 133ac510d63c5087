// The save at the end of a run: through a copy that is checked before it
// replaces the file, so that a full disk or a file another program holds never
// leaves a cut file behind.
#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/settings_file.h"
#include "platform/unique_handle.h"

namespace {

// How long a file held by another program (a virus scanner, an indexer, a
// sync client) is waited for in one save, trying again every 100 ms.
constexpr ULONGLONG kHeldFileWaitMs = 2000;
constexpr DWORD kPauseMs = 100;
// Far more than a settings file holds, in characters.
constexpr DWORD kLongestList = 16 * 1024 * 1024;

bool SameKey(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

// A NUL-separated list from a profile call that answers size - 2 when it
// did not fit.
template <typename Read>
std::vector<std::wstring> ProfileList(Read read) {
    for (DWORD size = 4096; size <= kLongestList; size *= 2) {
        std::wstring buffer(size, L'\0');
        const DWORD chars = read(buffer.data(), size);
        if (chars + 2 >= size) continue;
        std::vector<std::wstring> items;
        for (std::size_t at = 0; at < chars && buffer[at] != L'\0'; at += items.back().size() + 1)
            items.emplace_back(buffer.c_str() + at);
        return items;
    }
    throw std::length_error("a profile file too large to read back");
}

// Everything the profile service reads from the file but the program's own
// seven values: each section that holds anything else, and its lines.
std::vector<std::wstring> OtherLines(const std::wstring& path) {
    std::vector<std::wstring> lines;
    const auto sections = ProfileList(
        [&](wchar_t* buffer, DWORD size) { return ::GetPrivateProfileSectionNamesW(buffer, size, path.c_str()); });
    for (const std::wstring& section : sections) {
        std::vector<std::wstring> kept;
        const auto entries = ProfileList([&](wchar_t* buffer, DWORD size) {
            return ::GetPrivateProfileSectionW(section.c_str(), buffer, size, path.c_str());
        });
        for (const std::wstring& entry : entries) {
            std::wstring key = entry.substr(0, entry.find(L'='));
            key.erase(key.find_last_not_of(L" \t") + 1);  // as written by hand: "Top = 5"
            key.erase(0, key.find_first_not_of(L" \t"));
            bool own = false;
            for (const StoredKey& stored : kStoredKeys)
                own = own || (SameKey(section, stored.section) && SameKey(key, stored.key));
            if (!own) kept.push_back(entry);
        }
        if (kept.empty()) continue;
        lines.push_back(L"[" + section + L"]");
        lines.insert(lines.end(), kept.begin(), kept.end());
    }
    return lines;
}

// The seven values written into the copy, every write accepted, and the copy
// on the disk holding them and everything else the file held. While another
// program holds the copy, false with that as the last error.
bool WriteAndCheck(const Settings& settings, const std::wstring& copy) {
    ::SetLastError(ERROR_SUCCESS);
    // What the file holds beyond the seven values, which the writes leave as
    // it is: the check after them must find it unchanged.
    const std::vector<std::wstring> others = OtherLines(copy);
    if (!WriteSettingsInPlace(settings, copy)) return false;
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, copy.c_str());  // out of any cache, onto the disk
    const UniqueFile written(::CreateFileW(copy.c_str(), GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!written || !::FlushFileBuffers(written.get())) return false;
    SettingsFile readBack;
    if (!readBack.Bind(copy)) return false;
    const StoredValues values = ValuesOf(settings);
    for (std::size_t i = 0; i < kStoredKeys.size(); ++i) {
        if (readBack.Read(kStoredKeys[i].section, kStoredKeys[i].key) != values[i]) return false;
    }
    return OtherLines(copy) == others;
}

bool ReadOnly(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// Tries a step on the file until it succeeds, or fails for another reason
// than another program holding the file, or the save's wait is over.
template <typename Step>
bool UnlessHeldTooLong(ULONGLONG until, std::initializer_list<DWORD> heldErrors, Step step) {
    for (;;) {
        if (step()) return true;
        const DWORD error = ::GetLastError();
        if (std::find(heldErrors.begin(), heldErrors.end(), error) == heldErrors.end() || ::GetTickCount64() >= until)
            return false;
        ::Sleep(kPauseMs);
        ::SetLastError(error);
    }
}

bool Absent(const std::wstring& path) {
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// No file of the copy's name in the folder: a copy that another program
// holds open is waited for within the save's wait (where it may only be marked
// for deletion, on FAT and exFAT drives and network shares, it is in the way
// until it is let go).
bool RemoveCopy(const std::wstring& copy, ULONGLONG until) {
    for (;;) {
        ::SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(copy.c_str());
        if (Absent(copy)) return true;
        if (::GetTickCount64() >= until) return false;
        ::Sleep(kPauseMs);
    }
}

// The file a symbolic link (or a junction on the way) leads to, by its drive
// or share name; the path itself where that cannot be asked. A hard link is
// one file under several names: the name given is the one replaced.
std::wstring FinalPath(const std::wstring& path) {
    const UniqueFile file(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    std::wstring final(MAX_PATH, L'\0');
    const auto ask = [&] {  // the characters written, or the size needed (terminator included), or 0
        return file ? ::GetFinalPathNameByHandleW(file.get(), final.data(), static_cast<DWORD>(final.size()),
                                                  FILE_NAME_NORMALIZED | VOLUME_NAME_DOS)
                    : 0;
    };
    DWORD chars = ask();
    if (chars >= final.size()) {
        final.resize(chars);
        chars = ask();
    }
    if (chars == 0 || chars >= final.size()) return path;
    final.resize(chars);
    if (final.size() >= MAX_PATH) return final;  // too long to be named without its prefix
    if (final.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + final.substr(8);
    return final.starts_with(L"\\\\?\\") ? final.substr(4) : final;
}

// The copy in the file's place, keeping what the file carries and a copy
// would not (its attributes, access rights and streams) where the file system
// can. Tried only once nothing holds the file against its removal: a replace
// that fails at a held file may leave a stray temporary file behind. A file
// already gone (a replace cut after its removal) leaves the copy to be renamed.
bool Replace(const std::wstring& file, const std::wstring& copy) {
    if (!UniqueFile(::CreateFileW(file.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr)) &&
        ::GetLastError() != ERROR_FILE_NOT_FOUND)
        return false;
    return ::ReplaceFileW(file.c_str(), copy.c_str(), nullptr,
                          REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr) ||
           ::MoveFileExW(copy.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

}  // namespace

bool WriteSettingsInPlace(const Settings& settings, const std::wstring& path) {
    SettingsFile file;
    file.Bind(path);  // a file deleted while the program ran comes back
    const StoredValues values = ValuesOf(settings);
    bool all = true;
    for (std::size_t i = 0; i < kStoredKeys.size(); ++i)
        all = file.Write(kStoredKeys[i].section, kStoredKeys[i].key, values[i]) && all;
    return all;
}

bool SaveSettings(const Settings& settings, const std::wstring& path) noexcept {
    std::wstring file, copy;
    const ULONGLONG until = ::GetTickCount64() + kHeldFileWaitMs;
    try {
        if (!SettingsFile().Bind(path)) return false;  // no file, and none can be made
        // Where a link leads (a synced folder's file linked beside the program):
        // that file is saved, and the link stays a link.
        file = FinalPath(path);
        // A read-only file is the user's word that it stays as it is (a replace
        // would not ask everywhere).
        if (ReadOnly(file)) return false;
        // A copy left by a save that was cut short (a crash, a power cut) goes
        // first; one still held when the wait is over fails the save.
        copy = file + L".saving";
        if (!RemoveCopy(copy, until)) return false;
        const bool copied = UnlessHeldTooLong(until, {ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION},
                                              [&] { return ::CopyFileW(file.c_str(), copy.c_str(), TRUE) != FALSE; });
        if (!copied) {
            const DWORD error = ::GetLastError();
            // A folder that takes no new file: the file itself is all there is.
            // Not so when a copy came in the way meanwhile.
            const bool refused = error == ERROR_ACCESS_DENIED && Absent(copy);
            return RemoveCopy(copy, until) && refused && WriteSettingsInPlace(settings, path);
        }
        // A scanner or a sync client opens a new file in its folder the moment
        // it appears: the copy is waited for as the file is.
        const auto written = [&] { return WriteAndCheck(settings, copy); };
        const auto replace = [&] { return Replace(file, copy); };
        // Held without delete sharing, the file refuses the replace as a sharing violation, or as denied access
        // (the file is not read-only: that was asked first).
        if (UnlessHeldTooLong(until, {ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION}, written) &&
            UnlessHeldTooLong(until, {ERROR_SHARING_VIOLATION, ERROR_ACCESS_DENIED}, replace))
            return true;
    } catch (...) {  // out of memory, or a file too large to read back: not saved
    }
    // A replace cut after the file's removal leaves the copy as the only one:
    // the next start takes it.
    if (!copy.empty() && !Absent(file)) RemoveCopy(copy, until);
    return false;
}
