// The save through the real profile service, in the system's code page: the suite runs under code page 1252 and
// under 932, as on Japanese Windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/settings_file.h"

TEST(ProfileFile, ASaveThroughACopyKeepsEveryOtherLineAndLeavesNoCopy) {
    const char* locale = std::getenv("LC_ALL");
    EXPECT_EQ(::GetACP() == 932, locale && std::string(locale).rfind("ja_JP", 0) == 0) << "932 in the Japanese run";
    // Shift-JIS lines the program does not own: "[メモ]", "発表者=山田", a value in its section.
    const std::string mine =
        "[\x83\x81\x83\x82]\r\n\x94\xad\x95\x5c\x8e\xd2=\x8e\x52\x93\x63\r\n[Window Design]\r\n"
        "Hint=\x83\x65\x83\x58\x83\x67\r\nPointer Type=";
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"保存", file = folder / L"a.ini";
    std::filesystem::create_directories(folder);
    std::ofstream(file, std::ios::binary) << mine + "5\r\n[T]\r\nZ=9\r\n";
    Settings settings;
    settings.top = -40000, settings.glyphIndex = 3, settings.shown = true;
    for (int save = 0; save < 2; ++save) {  // the second time, the file was deleted while the program ran
        EXPECT_TRUE(SaveSettings(settings, file.wstring()));
        std::ifstream saved(file, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(saved), {});
        saved.close();
        EXPECT_EQ(bytes, (save ? "[Window Design]\r\n" : mine + "3\r\n") +
                             "Top=-40000\r\nLeft=1000\r\nPointer Size=16\r\nPointer Color=6\r\nTranslucence=5\r\n" +
                             (save ? "Pointer Type=3\r\n" : "[T]\r\nZ=9\r\n") + "[Config]\r\nDisp Pointer=True\r\n");
        EXPECT_FALSE(std::filesystem::exists(folder / L"a.ini.saving"));
        std::filesystem::remove(file);
    }
    std::filesystem::remove_all(folder);
}
