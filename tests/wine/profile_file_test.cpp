// The save through the real profile service, in the system's code page: the
// suite runs under code page 1252 and under 932, as on Japanese Windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/settings_file.h"

namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST(ProfileFile, ASaveThroughACopyWritesWhatInPlaceWritesKeepsEveryOtherLineAndLeavesNoCopy) {
    const char* locale = std::getenv("LC_ALL");
    EXPECT_EQ(::GetACP() == 932, locale && std::string(locale).rfind("ja_JP", 0) == 0) << "932 in the Japanese run";
    // Shift-JIS lines the program does not own: "[メモ]", "発表者=山田", a value in its section.
    const std::string mine = "[\x83\x81\x83\x82]\r\n\x94\xad\x95\x5c\x8e\xd2=\x8e\x52\x93\x63\r\n";
    const std::string before =
        mine + "[Window Design]\r\nHint=\x83\x65\x83\x58\x83\x67\r\nPointer Type=5\r\n[T]\r\nZ=9\r\n";
    const fs::path folder = fs::temp_directory_path() / L"保存";
    fs::create_directories(folder);
    const fs::path throughCopy = folder / L"a.ini", inPlace = folder / L"b.ini", deleted = folder / L"c.ini";
    std::ofstream(throughCopy, std::ios::binary) << before;
    std::ofstream(inPlace, std::ios::binary) << before;
    Settings settings;
    settings.top = -40000, settings.glyphIndex = 3, settings.shown = true;

    EXPECT_TRUE(SaveSettings(settings, throughCopy.wstring()));
    EXPECT_TRUE(WriteSettingsInPlace(settings, inPlace.wstring()));
    EXPECT_EQ(Bytes(throughCopy), Bytes(inPlace));
    EXPECT_EQ(Bytes(throughCopy).rfind(mine + "[Window Design]\r\nHint=\x83\x65\x83\x58\x83\x67\r\nPointer Type=3", 0),
              0u);
    EXPECT_FALSE(fs::exists(folder / L"a.ini.saving"));
    EXPECT_TRUE(SaveSettings(settings, deleted.wstring()));  // a file deleted while the program ran comes back
    EXPECT_EQ(LoadSettings(deleted.wstring())->top, -40000);
    fs::remove_all(folder);
}
