// Main's three outcomes, and how the running program ends.
#include <gtest/gtest.h>

#include "app/settings.h"
#include "pointer/marker_window.h"
#include "tests/unit/desktop_fixture.h"

namespace {

class Start : public DesktopTest {
protected:
    Start() { programTitle = programFolder = settingsPath = L""; }
    static constexpr const char* kSaved =
        "[Window Design]\r\nTop=%d\r\nLeft=%d\r\nPointer Size=16\r\nPointer Color=6\r\nTranslucence=5\r\n"
        "Pointer Type=1\r\n[Config]\r\nDisp Pointer=False\r\n";
    std::string Saved(int top, int left) const {
        char text[256];
        std::snprintf(text, sizeof text, kSaved, top, left);
        return text;
    }
};

}  // namespace

TEST_F(Start, AFirstStartRunsWithTheDefaultsAndAnEmptyFile) {
    Main();
    EXPECT_EQ(programTitle, L"Trailglint (ver 1.0.1) [Ember]");
    EXPECT_EQ(settingsPath, folder.Path() + L"\\Trailglint.ini");
    EXPECT_TRUE(markerWindow.IsLoaded());
    EXPECT_FALSE(markerWindow.Visible());
    EXPECT_FALSE(markerWindow.reshapeHeld);
    EXPECT_TRUE(desk.messageBoxes.empty());
    EXPECT_EQ(IniBytes(), "");
    EXPECT_FALSE(desk.lastFormUnloaded);
}

TEST_F(Start, ASecondInstanceIsRefusedWithoutTouchingTheFile) {
    desk.previousInstance = true;
    WriteIni("Pointer Size=40000\r\n");
    Main();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, L"二重起動はできません");
    EXPECT_EQ(desk.messageBoxes[0].caption, L"Trailglint (ver 1.0.1) [Ember]");
    EXPECT_FALSE(markerWindow.IsLoaded());
    EXPECT_FALSE(desk.endedAtOnce);
    EXPECT_EQ(IniBytes(), "Pointer Size=40000\r\n");
}

TEST_F(Start, AnUnreadableSettingEndsTheProgramAtOnce) {
    const std::string file = "[Window Design]\r\nPointer Size=40000\r\n";
    WriteIni(file);
    Main();
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, L"予測不能のエラーが発生しました");
    EXPECT_EQ(desk.messageBoxes[0].caption, L"Trailglint (ver 1.0.1) [Ember]");
    EXPECT_TRUE(desk.endedAtOnce);
    EXPECT_FALSE(markerWindow.IsLoaded());
    EXPECT_TRUE(desk.windows.empty());
    EXPECT_EQ(IniBytes(), file) << "a failed start saves nothing";
}

TEST_F(Start, ClosingTheWindowSavesItsPositionOnceShowsTheCursorAndEnds) {
    WriteIni("[Window Design]\r\nTop=3000\r\nLeft=-40000\r\n");
    desk.cursor = {200, 100};
    Main();
    ASSERT_TRUE(markerWindow.IsLoaded());
    // The stored place is replaced by the cursor's before the marker is seen
    // (centred while the window is still unsized; the tick centres it fully).
    EXPECT_EQ(markerWindow.Left(), 200 * 15.0f);
    EXPECT_EQ(markerWindow.Top(), 100 * 15.0f);
    desk.cursorDisplayCount = -3;

    desk.Close(markerWindow.Handle());
    EXPECT_FALSE(markerWindow.IsLoaded());
    EXPECT_TRUE(desk.lastFormUnloaded);
    EXPECT_EQ(desk.cursorDisplayCount, 0);
    EXPECT_EQ(IniBytes(), Saved(1500, 3000));
}

TEST_F(Start, TheEndOfTheSessionTakesTheSameWay) {
    Main();
    markerWindow.SetPosition(150.0f, -300.0f);
    desk.EndSession();
    EXPECT_FALSE(markerWindow.IsLoaded());
    EXPECT_TRUE(desk.lastFormUnloaded);
    EXPECT_EQ(desk.cursorDisplayCount, 1) << "a visible cursor is shown once more";
    EXPECT_EQ(IniBytes(), Saved(-300, 150));
}

TEST_F(Start, AFolderThatCannotBeWrittenRunsOnDefaultsAndSavesNothing) {
    desk.exeFolder = folder.Path() + L"\\not-there";
    Main();
    ASSERT_TRUE(markerWindow.IsLoaded());
    EXPECT_EQ(sizeIndex, 16);
    EXPECT_TRUE(desk.messageBoxes.empty());
    desk.Close(markerWindow.Handle());
    EXPECT_TRUE(desk.lastFormUnloaded);
    EXPECT_FALSE(testing_files::Exists(settingsPath));
}
