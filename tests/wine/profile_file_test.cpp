// Values through the real profile service, in the system's code page: the
// suite runs under code page 1252 and under 932, as on Japanese Windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/settings_file.h"

TEST(ProfileFile, ValuesComeBackCutAt255BytesWithoutSplittingACharacter) {
    const char* locale = std::getenv("LC_ALL");
    const bool japanese = ::GetACP() == 932;
    if (locale && std::string(locale).rfind("ja_JP", 0) == 0) {
        ASSERT_TRUE(japanese) << "the Japanese run is in 932";
    }

    const std::filesystem::path path = std::filesystem::temp_directory_path() / L"トレイル.ini";
    std::filesystem::remove(path);
    SettingsFile file;
    ASSERT_TRUE(file.Bind(path.wstring(), false));
    const std::wstring kana(200, L'あ');
    struct Case {
        std::wstring written;
        std::wstring read;
    };
    const Case cases[] = {
        {std::wstring(300, L'a'), std::wstring(255, L'a')},
        {L"a" + kana, japanese ? L"a" + kana.substr(0, 127) : L"a" + std::wstring(200, L'?')},
        {kana, japanese ? kana.substr(0, 127) : std::wstring(200, L'?')},
        {kana.substr(0, 127), japanese ? kana.substr(0, 127) : std::wstring(127, L'?')},
        {L"", L""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(file.Write(L"Window Design", L"Value", c.written));
        EXPECT_EQ(file.Read(L"window design", L"VALUE"), c.read) << c.written.size() << " characters";
    }
    EXPECT_EQ(file.Read(L"Window Design", L"Missing"), L"");
    EXPECT_EQ(file.ReadNumber(L"Window Design", L"Value", 16), 16);
    ASSERT_TRUE(file.Write(L"Window Design", L"Value", L"7.5"));
    EXPECT_EQ(file.ReadNumber(L"Window Design", L"Value", 16), 8);
    std::filesystem::remove(path);
}
