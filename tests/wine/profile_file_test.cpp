// The settings file through the real profile service, in the system's code
// page: the suite runs under code page 1252 and under 932, as on Japanese
// Windows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/settings_file.h"
#include "platform/unique_handle.h"

namespace fs = std::filesystem;

namespace {

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Put(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

}  // namespace

TEST(ProfileFile, ValuesComeBackCutAt255BytesWithoutSplittingACharacter) {
    const bool japanese = ::GetACP() == 932;
    const char* locale = std::getenv("LC_ALL");
    EXPECT_EQ(japanese, locale && std::string(locale).rfind("ja_JP", 0) == 0) << "932 in the Japanese run only";
    const fs::path path = fs::temp_directory_path() / L"トレイル.ini";
    fs::remove(path);
    SettingsFile file;
    ASSERT_TRUE(file.Bind(path.wstring(), false));
    const std::wstring kana(200, L'あ'), cut = japanese ? kana.substr(0, 127) : std::wstring(200, L'?');
    for (const auto& [written, read] : {std::pair{std::wstring(300, L'a'), std::wstring(255, L'a')},
                                        {L"a" + kana, L"a" + cut},
                                        {kana, cut},
                                        {L"", L""}}) {
        ASSERT_TRUE(file.Write(L"Window Design", L"Value", written));
        EXPECT_EQ(file.Read(L"window design", L"VALUE"), read) << written.size() << " characters";
    }
    ASSERT_TRUE(file.Write(L"Window Design", L"Value", L"7.5"));
    EXPECT_EQ(file.ReadNumber(L"Window Design", L"Value", 16), 8);
    EXPECT_EQ(file.ReadNumber(L"Window Design", L"Missing", 16), 16);
    fs::remove(path);
}

TEST(ProfileFile, ASaveThroughACopyWritesWhatInPlaceWritesAndLeavesNoCopy) {
    // Shift-JIS lines the program does not own: "[メモ]", "発表者=山田", a value in its section.
    const std::string before =
        "[\x83\x81\x83\x82]\r\n\x94\xad\x95\x5c\x8e\xd2=\x8e\x52\x93\x63\r\n[Window Design]\r\n"
        "Hint=\x83\x65\x83\x58\x83\x67\r\nPointer Type=5\r\n; a comment\r\n[Tail]\r\nZ=9\r\n";
    const fs::path folder = fs::temp_directory_path() / L"保存";
    fs::create_directories(folder);
    const fs::path oneStep = folder / L"a.ini", inPlace = folder / L"b.ini", fresh = folder / L"c.ini";
    const fs::path copy = folder / L"a.ini.saving";
    Put(oneStep, before);
    Put(inPlace, before);
    fs::remove(fresh);
    Settings settings;
    settings.top = -40000;
    settings.glyphIndex = 3;
    settings.shown = true;

    EXPECT_TRUE(SaveSettings(settings, oneStep.wstring()));
    WriteSettingsInPlace(settings, inPlace.wstring());
    const std::string after = Bytes(inPlace);
    EXPECT_EQ(Bytes(oneStep), after);
    EXPECT_NE(after, before);
    EXPECT_EQ(after.rfind("[\x83\x81\x83\x82]\r\n\x94\xad\x95\x5c\x8e\xd2=\x8e\x52\x93\x63\r\n", 0), 0u);
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_TRUE(SaveSettings(settings, fresh.wstring()));  // a file deleted while the program ran comes back
    EXPECT_EQ(LoadSettings(fresh.wstring())->top, -40000);

    fs::remove_all(folder);
}
