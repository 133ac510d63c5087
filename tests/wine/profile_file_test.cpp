// The save through the real profile service, in the system's code page (1252, and 932 as on Japanese Windows).
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/settings_file.h"

TEST(ProfileFile, ASaveThroughACopyKeepsEveryOtherLineWaitsForAHeldCopyAndLeavesNone) {
    const char* locale = std::getenv("LC_ALL");
    EXPECT_EQ(::GetACP() == 932, locale && std::string(locale).rfind("ja_JP", 0) == 0) << "932 in the Japanese run";
    // Shift-JIS lines the program does not own: "[メモ]", "発表者=山田", a value in its section; its own section
    // and key as written by hand, in another case.
    const std::string mine =
        "[\x83\x81\x83\x82]\r\n\x94\xad\x95\x5c\x8e\xd2=\x8e\x52\x93\x63\r\n[window DESIGN]\r\n"
        "Hint=\x83\x65\x83\x58\x83\x67\r\npointer TYPE=";
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"保存", file = folder / L"a.ini";
    std::filesystem::create_directories(folder);
    const Settings settings{.top = -40000, .glyphIndex = 3, .shown = true};
    const std::filesystem::path copy = folder / L"a.ini.saving";
    const std::string old = mine + "5\r\n[T]\r\nZ=9\r\n";
    const std::string values = "Top=-40000\r\nLeft=1000\r\nPointer Size=16\r\nPointer Color=6\r\nTranslucence=5\r\n";
    constexpr DWORD kReadOnly = FILE_SHARE_READ, kAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    // Held by a scanner or a sync client, for a moment or past the wait: the new copy as it appears, a crash's, the
    // file.
    enum Held { kNewCopy, kStaleCopy, kFile };
    const struct {
        Held held;
        DWORD access, sharing, heldMs;
        bool saved;
    } kHolders[] = {{kNewCopy, GENERIC_READ, kReadOnly, 300, true},
                    {kNewCopy, GENERIC_READ | GENERIC_WRITE, kAll, 3000, true},
                    {kStaleCopy, GENERIC_READ, kReadOnly, 300, true},
                    {kStaleCopy, GENERIC_READ, kReadOnly, 3000, false},
                    {kFile, GENERIC_READ, kReadOnly | FILE_SHARE_WRITE, 300, true},
                    {kFile, GENERIC_READ, kReadOnly | FILE_SHARE_WRITE, 3000, false}};
    for (const auto& holder : kHolders) {
        std::ofstream(file, std::ios::binary) << old;
        if (holder.held == kStaleCopy) std::ofstream(copy) << "[Window Design]\r\nTop=7\r\n";
        const bool deleted = holder.held == kStaleCopy && holder.saved;
        if (deleted) std::filesystem::remove(file);  // while the program ran
        std::atomic<bool> held = false;
        std::thread holding([&] {
            const std::filesystem::path& target = holder.held == kFile ? file : copy;
            for (const ULONGLONG end = ::GetTickCount64() + 3000; !held && ::GetTickCount64() < end;) {
                HANDLE h = ::CreateFileW(target.c_str(), holder.access, holder.sharing, nullptr, OPEN_EXISTING, 0, 0);
                if (h != INVALID_HANDLE_VALUE) held = true, ::Sleep(holder.heldMs), ::CloseHandle(h);
            }
        });
        while (holder.held != kNewCopy && !held) ::Sleep(1);
        const ULONGLONG started = ::GetTickCount64();
        EXPECT_EQ(SaveSettings(settings, file.wstring()), holder.saved) << holder.held << ", " << holder.heldMs;
        EXPECT_LT(::GetTickCount64() - started, 2500u) << "a log-off is not kept waiting";
        holding.join();
        EXPECT_TRUE(held) << "it was held";
        const std::string bytes = (std::ostringstream() << std::ifstream(file, std::ios::binary).rdbuf()).str();
        EXPECT_EQ(bytes, !holder.saved ? old
                         : deleted
                             ? "[Window Design]\r\n" + values + "Pointer Type=3\r\n[Config]\r\nDisp Pointer=True\r\n"
                             : mine + "3\r\n" + values + "[T]\r\nZ=9\r\n[Config]\r\nDisp Pointer=True\r\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}),
                  1 + (holder.held == kStaleCopy && !holder.saved))
            << "no copy and no temporary file left";
    }
    std::filesystem::remove_all(folder);
}
