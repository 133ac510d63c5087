// The settings file on the real profile service, in the system's code page:
// the suite runs under code page 1252 and under 932, as on Japanese Windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/settings_file.h"

namespace {

class ProfileFile : public ::testing::Test {
protected:
    explicit ProfileFile(const std::wstring& folderName = L"trailglint") {
        static int counter = 0;
        folder_ = std::filesystem::temp_directory_path() /
                  (folderName + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(counter++));
        std::filesystem::create_directories(folder_);
        path = (folder_ / L"Trailglint.ini").wstring();
    }
    ~ProfileFile() override { std::filesystem::remove_all(folder_); }

    std::string Bytes() const {
        std::ifstream in(folder_ / L"Trailglint.ini", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void Put(const std::string& bytes) const { std::ofstream(folder_ / L"Trailglint.ini", std::ios::binary) << bytes; }

    std::filesystem::path folder_;
    std::wstring path;
    SettingsFile file;
};

class ProfileFileInAJapaneseFolder : public ProfileFile {
protected:
    ProfileFileInAJapaneseFolder() : ProfileFile(L"トレイル") {}
};

}  // namespace

TEST_F(ProfileFile, BindingCreatesItEmptyAndAFileThatIsGoneIsNeverRecreated) {
    ASSERT_TRUE(file.Bind(path, false));
    EXPECT_EQ(Bytes(), "");
    ASSERT_TRUE(file.Write(L"Window Design", L"Top", L"5"));
    SettingsFile again;
    ASSERT_TRUE(again.Bind(path, false));
    EXPECT_EQ(again.Read(L"Window Design", L"Top"), L"5") << "binding keeps the content";
    ASSERT_TRUE(again.Bind(path, true));
    EXPECT_EQ(Bytes(), "") << "unless told to start afresh";

    const std::wstring nowhere = (folder_ / L"missing" / L"Trailglint.ini").wstring();
    EXPECT_FALSE(file.Bind(nowhere, false));
    ASSERT_TRUE(file.Write(L"S", L"K", L"kept")) << "a failed bind keeps the earlier file";

    std::filesystem::remove(path);
    EXPECT_FALSE(file.Write(L"S", L"K", L"w"));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(file.Read(L"S", L"K"), L"");
    EXPECT_EQ(file.ReadNumber(L"S", L"K", 7), 7);
}

TEST_F(ProfileFile, ValuesComeBackCutAt255BytesWithoutSplittingACharacter) {
    ASSERT_TRUE(file.Bind(path, false));
    const bool japanese = ::GetACP() == 932;
    const char* locale = std::getenv("LC_ALL");
    if (locale && std::string(locale).rfind("ja_JP", 0) == 0) ASSERT_TRUE(japanese) << "the Japanese run is in 932";
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
        ASSERT_TRUE(file.Write(L"S", L"Value", c.written));
        EXPECT_EQ(file.Read(L"s", L"VALUE"), c.read) << c.written.size() << " characters";
    }
    EXPECT_EQ(file.Read(L"S", L"Missing"), L"");
    EXPECT_EQ(file.ReadNumber(L"S", L"Value", 16), 16);
    ASSERT_TRUE(file.Write(L"S", L"Value", L"7.5"));
    EXPECT_EQ(file.ReadNumber(L"S", L"Value", 16), 8);
}

TEST_F(ProfileFile, WritesLeaveEveryOtherLineAsItWasByteForByte) {
    // "[メモ]" and "発表者=山田" in Shift-JIS, and a value in it: lines this
    // program does not own.
    const std::string memo = "[\x83\x81\x83\x82]\r\n\x94\xad\x95\x5c\x8e\xd2=\x8e\x52\x93\x63\r\n";
    const std::string hint = "Hint=\x83\x65\x83\x58\x83\x67\r\n";
    Put(memo + "[Window Design]\r\nTop=1\r\n" + hint + "[Tail]\r\nZ=9\r\n");
    ASSERT_TRUE(file.Bind(path, false));
    ASSERT_TRUE(file.Write(L"window design", L"TOP", L"-40000"));
    ASSERT_TRUE(file.Write(L"Config", L"Disp Pointer", L"True"));
    EXPECT_EQ(Bytes(),
              memo + "[Window Design]\r\nTop=-40000\r\n" + hint + "[Tail]\r\nZ=9\r\n[Config]\r\nDisp Pointer=True\r\n");
}

TEST_F(ProfileFileInAJapaneseFolder, StaysPlainTextWithoutByteOrderMark) {
    ASSERT_TRUE(file.Bind(path, false));
    ASSERT_TRUE(file.Write(L"Window Design", L"Top", L"1000"));
    ASSERT_TRUE(file.Write(L"Config", L"Disp Pointer", L"False"));
    EXPECT_EQ(Bytes(), "[Window Design]\r\nTop=1000\r\n[Config]\r\nDisp Pointer=False\r\n");
}
