// Title, program folder and the error report.
#include "app/app_info.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "tests/unit/desktop_fixture.h"

using Standard = DesktopTest;

TEST_F(Standard, TheTitleCarriesMajorMinorAndRevision) {
    EXPECT_EQ(ProgramTitle(L"Trailglint", L"Ember"), L"Trailglint (ver 1.0.1) [Ember]");
    EXPECT_EQ(ProgramTitle(L"Trailglint", L""), L"Trailglint (ver 1.0.1)");
    EXPECT_EQ(ProgramTitle(L"", L"Ember"), L" (ver 1.0.1) [Ember]");
    desk.version = {12, 3, 45};
    EXPECT_EQ(ProgramTitle(L"T", L""), L"T (ver 12.3.45)");
    EXPECT_TRUE(desk.heapBlocks.empty()) << "the title's buffer is released";
}

TEST_F(Standard, ATitleThatCannotBeBuiltIsEmpty) {
    desk.heapFailures = 1;
    EXPECT_EQ(ProgramTitle(L"Trailglint", L"Ember"), L"");
    desk.processHeapAvailable = false;
    EXPECT_EQ(ProgramTitle(L"Trailglint", L"Ember"), L"");
}

TEST_F(Standard, TheProgramFolderEndsInExactlyOneBackslash) {
    desk.exeFolder = L"C:\\Tools\\Trailglint";
    EXPECT_EQ(ProgramFolder(), L"C:\\Tools\\Trailglint\\");
    desk.exeFolder = L"D:\\";
    EXPECT_EQ(ProgramFolder(), L"D:\\");
}

TEST_F(Standard, TheErrorBoxIsCaptionedWithTheTitle) {
    programTitle = L"Caption";
    ShowError(L"message");
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, L"message");
    EXPECT_EQ(desk.messageBoxes[0].caption, L"Caption");
}

TEST_F(Standard, ABoxThatFailsIsReplacedByOneNamingTheError) {
    desk.messageBoxFailures = 1;
    ShowError(L"message");
    ASSERT_EQ(desk.messageBoxes.size(), 1u);
    EXPECT_EQ(desk.messageBoxes[0].text, L"Out of memory");
    EXPECT_EQ(desk.messageBoxes[0].caption, L"Trailglint (ErrNo.7)");

    desk.messageBoxFailures = 2;
    EXPECT_THROW(ShowError(L"message"), platform::RaisedError) << "a failed second box reaches the caller";
}
