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

TEST(ProfileFile, ASaveThroughACopyKeepsEveryOtherLineAndLeavesNoCopy) {
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
    for (int save = 0; save < 2; ++save) {  // the second time, the file was deleted while the program ran
        // The first time a scanner opens the new copy the moment it appears, without write or delete sharing, for
        // 300 ms; the second time a crash has left a copy behind.
        std::atomic<bool> scanned = save == 1;
        std::thread scanner([&] {
            for (const ULONGLONG end = ::GetTickCount64() + 3000; !scanned && ::GetTickCount64() < end;) {
                HANDLE held = ::CreateFileW(copy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, 0);
                if (held != INVALID_HANDLE_VALUE) ::Sleep(300), ::CloseHandle(held), scanned = true;
            }
        });
        if (save) std::ofstream(copy) << "[Window Design]\r\nTop=7\r\n";
        EXPECT_TRUE(SaveSettings(settings, file.wstring()));
        scanner.join();
        EXPECT_TRUE(scanned) << "the scanner had the copy";
        std::ifstream saved(file, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(saved), {});
        saved.close();
        EXPECT_EQ(bytes, (save ? "[Window Design]\r\n" : mine + "3\r\n") +
                             "Top=-40000\r\nLeft=1000\r\nPointer Size=16\r\nPointer Color=6\r\nTranslucence=5\r\n" +
                             (save ? "Pointer Type=3\r\n" : "[T]\r\nZ=9\r\n") + "[Config]\r\nDisp Pointer=True\r\n");
        EXPECT_FALSE(std::filesystem::exists(copy));
        std::filesystem::remove(file);
    }
    std::filesystem::remove_all(folder);
}
