// The settings record: what a file gives, and what a save writes.
#include "app/settings.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "tests/unit/desktop_fixture.h"

namespace {

class SettingsTest : public DesktopTest {
protected:
    void LoadFrom(const std::string& windowDesign, const std::string& config = "") {
        WriteIni("[Window Design]\r\n" + windowDesign + "[Config]\r\n" + config);
        LoadSettings();
    }
    void ExpectLoadOverflows(const std::string& windowDesign) {
        WriteIni("[Window Design]\r\n" + windowDesign);
        try {
            LoadSettings();
            ADD_FAILURE() << "no overflow for " << windowDesign;
        } catch (const platform::RaisedError& e) {
            EXPECT_EQ(e.Number(), platform::kErrOverflow);
        }
    }
};

}  // namespace

TEST_F(SettingsTest, NoFileGivesTheDefaultsAndAnEmptyFile) {
    LoadSettings();
    EXPECT_EQ(storedTop, 1000);
    EXPECT_EQ(storedLeft, 1000);
    EXPECT_EQ(sizeIndex, 16);
    EXPECT_EQ(colorIndex, 6);
    EXPECT_EQ(translucencyIndex, 5);
    EXPECT_EQ(glyphIndex, 1);
    EXPECT_FALSE(markerShown);
    EXPECT_TRUE(testing_files::Exists(settingsPath));
    EXPECT_EQ(IniBytes(), "");
}

TEST_F(SettingsTest, IndexesAreReadAsNumbersWithTheirDefaults) {
    LoadFrom("Pointer Size=abc\r\nPointer Color=\r\nTranslucence=12.5\r\nPointer Type=-3\r\n");
    EXPECT_EQ(sizeIndex, 16);
    EXPECT_EQ(colorIndex, 6);
    EXPECT_EQ(translucencyIndex, 12);
    EXPECT_EQ(glyphIndex, -3) << "out-of-range indexes are passed on unchanged";
}

TEST_F(SettingsTest, PositionsUseTheWhole32BitRange) {
    LoadFrom("Top=40000\r\nLeft=-40000\r\n");
    EXPECT_EQ(storedTop, 40000);
    EXPECT_EQ(storedLeft, -40000);
    LoadFrom("Top=2147483647\r\nLeft=7.5\r\n");
    EXPECT_EQ(storedTop, 2147483647);
    EXPECT_EQ(storedLeft, 8);
    ExpectLoadOverflows("Top=2147483648\r\n");
}

TEST_F(SettingsTest, AnIndexOutside16BitsStopsTheLoad) {
    ExpectLoadOverflows("Pointer Size=32768\r\n");
    ExpectLoadOverflows("Pointer Type=40000\r\n");
    ExpectLoadOverflows("Translucence=-32769\r\n");
}

TEST_F(SettingsTest, OnlyTheExactTextTrueShowsTheMarker) {
    for (const char* text : {"true", "-1", "TRUE", "True1", "yes"}) {
        LoadFrom("", std::string("Disp Pointer=") + text + "\r\n");
        EXPECT_FALSE(markerShown) << text;
    }
    LoadFrom("", "Disp Pointer=True\r\n");
    EXPECT_TRUE(markerShown);
}

TEST_F(SettingsTest, SaveWritesTheSevenKeysInOrder) {
    LoadSettings();
    storedTop = -40000;
    storedLeft = 40000;
    glyphIndex = 5;
    markerShown = true;
    SaveSettings();
    EXPECT_EQ(IniBytes(),
              "[Window Design]\r\nTop=-40000\r\nLeft=40000\r\nPointer Size=16\r\nPointer Color=6\r\n"
              "Translucence=5\r\nPointer Type=5\r\n[Config]\r\nDisp Pointer=True\r\n");

    LoadSettings();
    EXPECT_EQ(storedTop, -40000);
    EXPECT_EQ(storedLeft, 40000);
    EXPECT_EQ(glyphIndex, 5);
    EXPECT_TRUE(markerShown);
}

TEST_F(SettingsTest, SaveLeavesUnknownKeysAndSectionsAlone) {
    WriteIni("[Before]\r\nX=1\r\n[Window Design]\r\nNote=mine\r\nTop=5\r\n[Config]\r\nTheme=dark\r\n");
    LoadSettings();
    SaveSettings();
    EXPECT_EQ(IniBytes(),
              "[Before]\r\nX=1\r\n[Window Design]\r\nNote=mine\r\nTop=5\r\nLeft=1000\r\nPointer Size=16\r\n"
              "Pointer Color=6\r\nTranslucence=5\r\nPointer Type=1\r\n[Config]\r\nTheme=dark\r\n"
              "Disp Pointer=False\r\n");
}

TEST_F(SettingsTest, SaveRecreatesAFileDeletedWhileRunningButNotAFolder) {
    LoadSettings();
    std::filesystem::remove(testing_files::ToFsPath(settingsPath));
    SaveSettings();
    EXPECT_NE(IniBytes().find("Pointer Type=1"), std::string::npos);

    settingsPath = folder.Path() + L"\\gone\\Trailglint.ini";
    LoadSettings();
    EXPECT_EQ(sizeIndex, 16);
    SaveSettings();
    EXPECT_FALSE(testing_files::Exists(settingsPath));
}
