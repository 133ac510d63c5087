#pragma once
// Files for tests that run natively (simulated desktop) and under Wine (real
// Windows): a fresh folder per test, and whole-file reads and writes by the
// same wide paths the program uses.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifndef _WIN32
#include "platform/sim/desktop.h"
#endif

namespace testing_files {

inline std::filesystem::path ToFsPath(const std::wstring& path) {
#ifdef _WIN32
    return std::filesystem::path(path);
#else
    return std::filesystem::path(sim::NativePath(path));
#endif
}

inline std::string ReadBytes(const std::wstring& path) {
    std::ifstream in(ToFsPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(ToFsPath(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline bool Exists(const std::wstring& path) {
    std::error_code ec;
    return std::filesystem::exists(ToFsPath(path), ec);
}

// A new empty folder, removed with its contents when the test ends.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& leaf = L"trailglint") {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        const std::filesystem::path base = std::filesystem::temp_directory_path();
#ifdef _WIN32
        path_ = base.wstring();
        if (!path_.empty() && path_.back() == L'\\') path_.pop_back();
        path_ += L"\\" + leaf + L"-" + std::to_wstring(stamp) + L"-" + std::to_wstring(counter++);
#else
        const std::string b = base.string();
        path_ = std::wstring(b.begin(), b.end()) + L"/" + leaf + L"-" + std::to_wstring(stamp) + L"-" +
                std::to_wstring(counter++);
#endif
        std::filesystem::create_directories(ToFsPath(path_));
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(ToFsPath(path_), ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    // A file in the folder, joined the way the program joins them.
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

}  // namespace testing_files
