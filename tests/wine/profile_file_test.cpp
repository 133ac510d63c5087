// The save through the real profile service, in the system's code page: the suite runs under code page 1252 and
// under 932, as on Japanese Windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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
    std::ofstream(file, std::ios::binary) << mine + "5\r\n[T]\r\nZ=9\r\n";
    Settings settings;
    settings.top = -40000, settings.glyphIndex = 3, settings.shown = true;
    const std::filesystem::path copy = folder / L"a.ini.saving";
    const std::string old = mine + "5\r\n[T]\r\nZ=9\r\n", values =
                                                              "Top=-40000\r\nLeft=1000\r\nPointer Size=16\r\n"
                                                              "Pointer Color=6\r\nTranslucence=5\r\n";
    constexpr DWORD kReadOnly = FILE_SHARE_READ, kAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const struct {
        bool stale;  // a crash left a copy, held from before the save; else the new copy is taken the moment it appears
        DWORD access, sharing, heldMs;
        bool saved;
    } kHolders[] = {{false, GENERIC_READ, kReadOnly, 300, true},              // a scanner
                    {false, GENERIC_READ | GENERIC_WRITE, kAll, 3000, true},  // a sync client
                    {true, GENERIC_READ, kReadOnly, 300, true},
                    {true, GENERIC_READ, kReadOnly | FILE_SHARE_DELETE, 300, true},
                    {true, GENERIC_READ, kReadOnly, 3000, false}};  // past the wait
    for (const auto& holder : kHolders) {
        std::ofstream(file, std::ios::binary) << old;
        if (holder.stale) std::ofstream(copy) << "[Window Design]\r\nTop=7\r\n";
        if (holder.stale && holder.saved) std::filesystem::remove(file);  // deleted while the program ran
        std::atomic<bool> held = false;
        std::thread holding([&] {
            for (const ULONGLONG end = ::GetTickCount64() + 3000; !held && ::GetTickCount64() < end;) {
                HANDLE h = ::CreateFileW(copy.c_str(), holder.access, holder.sharing, nullptr, OPEN_EXISTING, 0, 0);
                if (h != INVALID_HANDLE_VALUE) held = true, ::Sleep(holder.heldMs), ::CloseHandle(h);
            }
        });
        while (holder.stale && !held) ::Sleep(1);
        EXPECT_EQ(SaveSettings(settings, file.wstring()), holder.saved) << holder.sharing << " " << holder.heldMs;
        holding.join();
        EXPECT_TRUE(held) << "it had the copy";
        std::ifstream saved(file, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(saved), {});
        saved.close();
        EXPECT_EQ(bytes, !holder.saved ? old
                         : holder.stale
                             ? "[Window Design]\r\n" + values + "Pointer Type=3\r\n[Config]\r\nDisp Pointer=True\r\n"
                             : mine + "3\r\n" + values + "[T]\r\nZ=9\r\n[Config]\r\nDisp Pointer=True\r\n");
        EXPECT_TRUE(!holder.saved || !std::filesystem::exists(copy));
    }
    std::filesystem::remove_all(folder);
}
