// The settings file class against the profile service. Built twice: natively
// on the simulated desktop and for Windows under Wine, so the simulation
// cannot drift from the real service unnoticed.
#include <gtest/gtest.h>

#include <string>

#include "app/settings_file.h"
#include "platform/error.h"
#include "tests/support/files.h"

using testing_files::TempFolder;

namespace {

class ProfileFile : public ::testing::Test {
protected:
    TempFolder folder;
    std::wstring path = folder.File(L"Trailglint.ini");
    SettingsFile ini;
};

std::int16_t StoredNumber(SettingsFile& ini, const std::wstring& text) {
    EXPECT_TRUE(ini.Write(L"S", L"N", text));
    return ini.ReadNumber(L"S", L"N", 99);
}

}  // namespace

TEST_F(ProfileFile, BindingCreatesTheFileEmptyAndInitEmptiesAnExistingOne) {
    ASSERT_TRUE(ini.Bind(path, false));
    EXPECT_TRUE(testing_files::Exists(path));
    EXPECT_EQ(testing_files::ReadBytes(path), "");

    ASSERT_TRUE(ini.Write(L"Window Design", L"Top", L"5"));
    SettingsFile again;
    ASSERT_TRUE(again.Bind(path, false));
    EXPECT_EQ(again.Read(L"Window Design", L"Top"), L"5") << "binding without init keeps the content";

    ASSERT_TRUE(again.Bind(path, true));
    EXPECT_EQ(testing_files::ReadBytes(path), "");
}

TEST_F(ProfileFile, AnUnboundObjectReadsDefaultsAndWritesNothing) {
    const std::wstring nowhere = folder.Path() + L"\\missing\\Trailglint.ini";
    EXPECT_FALSE(ini.Bind(nowhere, false));
    EXPECT_EQ(ini.Read(L"Window Design", L"Top"), L"");
    EXPECT_EQ(ini.ReadNumber(L"Window Design", L"Top", 16), 16);
    EXPECT_FALSE(ini.Write(L"Window Design", L"Top", L"1"));
    EXPECT_FALSE(testing_files::Exists(nowhere));

    // A failed rebind keeps the earlier binding.
    ASSERT_TRUE(ini.Bind(path, false));
    ASSERT_TRUE(ini.Write(L"S", L"K", L"kept"));
    EXPECT_FALSE(ini.Bind(nowhere, false));
    EXPECT_EQ(ini.Read(L"S", L"K"), L"kept");
}

TEST_F(ProfileFile, AFileDeletedAfterBindingIsNeverRecreatedByWrites) {
    ASSERT_TRUE(ini.Bind(path, false));
    ASSERT_TRUE(ini.Write(L"S", L"K", L"v"));
    std::filesystem::remove(testing_files::ToFsPath(path));

    EXPECT_FALSE(ini.Write(L"S", L"K", L"w"));
    EXPECT_FALSE(testing_files::Exists(path));
    EXPECT_EQ(ini.Read(L"S", L"K"), L"");
    EXPECT_EQ(ini.ReadNumber(L"S", L"K", 7), 7);
}

TEST_F(ProfileFile, ValuesComeBackAsWrittenUpTo255Bytes) {
    ASSERT_TRUE(ini.Bind(path, false));
    const std::wstring longValue(300, L'a');
    ASSERT_TRUE(ini.Write(L"S", L"Long", longValue));
    EXPECT_EQ(ini.Read(L"S", L"Long"), std::wstring(255, L'a'));

    ASSERT_TRUE(ini.Write(L"S", L"Empty", L""));
    EXPECT_EQ(ini.Read(L"S", L"Empty"), L"");
    EXPECT_EQ(ini.ReadNumber(L"S", L"Empty", 16), 16);

    EXPECT_EQ(ini.Read(L"S", L"Missing"), L"");
    EXPECT_EQ(ini.Read(L"Missing", L"Long"), L"");
    EXPECT_EQ(ini.Read(L"s", L"LONG"), std::wstring(255, L'a')) << "names match without regard to case";
}

TEST_F(ProfileFile, NumbersRoundHalfToEvenAndOverflowOutside16Bits) {
    ASSERT_TRUE(ini.Bind(path, false));
    EXPECT_EQ(StoredNumber(ini, L"6.5"), 6);
    EXPECT_EQ(StoredNumber(ini, L"7.5"), 8);
    EXPECT_EQ(StoredNumber(ini, L"12.5"), 12);
    EXPECT_EQ(StoredNumber(ini, L"-2.5"), -2);
    EXPECT_EQ(StoredNumber(ini, L"2.51"), 3);
    EXPECT_EQ(StoredNumber(ini, L"-3"), -3);
    EXPECT_EQ(StoredNumber(ini, L"-32768"), -32768);
    EXPECT_EQ(StoredNumber(ini, L"32767.4"), 32767);
    EXPECT_EQ(StoredNumber(ini, L"abc"), 99);
    EXPECT_EQ(StoredNumber(ini, L"1e3"), 99);
    EXPECT_EQ(StoredNumber(ini, L"12abc"), 99);

    for (const wchar_t* tooLarge : {L"32768", L"40000", L"32767.5", L"-32769", L"99999999999999999999999"}) {
        ASSERT_TRUE(ini.Write(L"S", L"N", tooLarge));
        try {
            ini.ReadNumber(L"S", L"N", 99);
            ADD_FAILURE() << "no overflow for " << testing::PrintToString(std::wstring(tooLarge));
        } catch (const platform::RaisedError& e) {
            EXPECT_EQ(e.Number(), platform::kErrOverflow);
        }
    }
}

TEST_F(ProfileFile, WritesLeaveOtherSectionsAndKeysAlone) {
    testing_files::WriteBytes(path, "[Other]\r\nA=b\r\n[Window Design]\r\nTop=1\r\nExtra=keep me\r\n[Tail]\r\nZ=9\r\n");
    ASSERT_TRUE(ini.Bind(path, false));
    ASSERT_TRUE(ini.Write(L"window design", L"TOP", L"-40000"));
    ASSERT_TRUE(ini.Write(L"Config", L"Disp Pointer", L"True"));

    EXPECT_EQ(ini.Read(L"Window Design", L"Top"), L"-40000");
    EXPECT_EQ(ini.Read(L"Window Design", L"Extra"), L"keep me");
    EXPECT_EQ(ini.Read(L"Other", L"A"), L"b");
    EXPECT_EQ(ini.Read(L"Tail", L"Z"), L"9");
    EXPECT_EQ(ini.Read(L"Config", L"Disp Pointer"), L"True");

    const std::string bytes = testing_files::ReadBytes(path);
    EXPECT_NE(bytes.find("Top=-40000\r\n"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find("TOP"), std::string::npos) << "the stored key keeps its spelling";
    EXPECT_NE(bytes.find("[Config]\r\nDisp Pointer=True\r\n"), std::string::npos) << bytes;
}

TEST_F(ProfileFile, AFileCreatedEmptyStaysPlainTextWithoutByteOrderMark) {
    ASSERT_TRUE(ini.Bind(path, false));
    ASSERT_TRUE(ini.Write(L"Window Design", L"Top", L"1000"));
    ASSERT_TRUE(ini.Write(L"Window Design", L"Left", L"1000"));
    ASSERT_TRUE(ini.Write(L"Config", L"Disp Pointer", L"False"));
    EXPECT_EQ(testing_files::ReadBytes(path),
              "[Window Design]\r\nTop=1000\r\nLeft=1000\r\n[Config]\r\nDisp Pointer=False\r\n");
}

TEST(ProfileFileInAFolderOutsideTheCodePage, LoadsAndSaves) {
    TempFolder folder(L"トレイル");
    const std::wstring path = folder.File(L"Trailglint.ini");
    SettingsFile ini;
    ASSERT_TRUE(ini.Bind(path, false));
    ASSERT_TRUE(ini.Write(L"Window Design", L"Pointer Type", L"5"));
    SettingsFile reader;
    ASSERT_TRUE(reader.Bind(path, false));
    EXPECT_EQ(reader.ReadNumber(L"Window Design", L"Pointer Type", 1), 5);
    EXPECT_EQ(testing_files::ReadBytes(path), "[Window Design]\r\nPointer Type=5\r\n");
}
