// The tray icon: its record, its events, what reaches the shell, and the
// handlers of its callbacks and of the menu's show/hide and quit commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/settings.h"
#include "pointer/marker_window.h"
#include "tests/unit/desktop_fixture.h"
#include "tray/tray_icon.h"

namespace {

constexpr std::uint32_t NIM_ADD = 0, NIM_MODIFY = 1, NIM_DELETE = 2;

std::vector<std::uint32_t> Messages(const sim::Desktop& d) {
    std::vector<std::uint32_t> out;
    for (const auto& call : d.shellCalls) out.push_back(call.message);
    return out;
}

std::string Tip(const win::NotifyIconDataV1& data) { return std::string(data.szTip, sizeof data.szTip); }

class TrayIconTest : public DesktopTest {};

class TrayHandlers : public DesktopTest {
protected:
    void Start(bool shown) {
        WriteIni(std::string("[Window Design]\r\nPointer Type=5\r\n[Config]\r\nDisp Pointer=") +
                 (shown ? "True" : "False") + "\r\n");
        Main();
        ASSERT_TRUE(markerWindow.IsLoaded());
        desk.calls.clear();
    }
};

}  // namespace

TEST_F(TrayIconTest, TheRecordIsTheFirstVersionFormWithAPaddedTip) {
    TrayIcon tray;
    tray.SetOwner(reinterpret_cast<void*>(0x1234));
    tray.SetIcon(reinterpret_cast<void*>(0x5678));
    win::NotifyIconDataV1 data = tray.Record();
    EXPECT_EQ(data.cbSize, sizeof(void*) == 8 ? 104u : 88u);
    EXPECT_EQ(data.hWnd, reinterpret_cast<void*>(0x1234));
    EXPECT_EQ(data.uID, 1u);
    EXPECT_EQ(data.uFlags, 3u) << "no tooltip";
    EXPECT_EQ(data.uCallbackMessage, 0x200u);
    EXPECT_EQ(data.hIcon, reinterpret_cast<void*>(0x5678));
    EXPECT_EQ(Tip(data), std::string(1, '\0') + std::string(63, ' '));

    tray.SetTip(L"Trailglint");
    data = tray.Record();
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(Tip(data), std::string("Trailglint") + '\0' + std::string(53, ' '));
    EXPECT_EQ(tray.Tip(), L"Trailglint");

    tray.SetTip(std::wstring(70, L'x'));
    EXPECT_EQ(Tip(tray.Record()), std::string(63, 'x') + '\0') << "cut so the NUL fits";
    tray.SetTip(L"");
    EXPECT_EQ(tray.Record().uFlags, 3u);
}

TEST_F(TrayIconTest, EachCodeRaisesOnlyItsOwnEvent) {
    TrayIcon tray;
    using Read = bool (TrayIcon::*)() const;
    const Read events[] = {&TrayIcon::LeftButtonDown,   &TrayIcon::LeftButtonUp,   &TrayIcon::LeftButtonDblClick,
                           &TrayIcon::RightButtonDown,  &TrayIcon::RightButtonUp,  &TrayIcon::RightButtonDblClick,
                           &TrayIcon::MiddleButtonDown, &TrayIcon::MiddleButtonUp, &TrayIcon::MiddleButtonDblClick};
    for (std::int32_t code = 0x1FF; code <= 0x20A; ++code) {
        tray.RecordEvent(code);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ((tray.*events[i])(), code == 0x201 + i) << std::hex << code << " event " << i;
        }
    }
    tray.RecordEvent(0x205);
    EXPECT_TRUE(tray.RightButtonUp());
    tray.RecordEvent(0x200);
    EXPECT_FALSE(tray.RightButtonUp()) << "each code replaces the last";
}

TEST_F(TrayIconTest, OnlyAShownIconIsModifiedOrDeletedAndNeverOutlivesItsInstance) {
    {
        TrayIcon tray;
        EXPECT_FALSE(tray.Delete());
        EXPECT_FALSE(tray.Modify());
        EXPECT_TRUE(desk.shellCalls.empty());
        tray.Add();
        tray.SetTip(L"later");
        EXPECT_EQ(Tip(desk.shellCalls.back().data)[0], '\0') << "setters reach the shell only at Modify";
        tray.Modify();
        EXPECT_EQ(Tip(desk.shellCalls.back().data).substr(0, 6), std::string("later") + '\0');
        tray.Add();
    }
    EXPECT_EQ(Messages(desk), (std::vector<std::uint32_t>{NIM_ADD, NIM_MODIFY, NIM_ADD, NIM_DELETE}));
    desk.shellCalls.clear();
    {
        TrayIcon tray;
        tray.Add();
        tray.Delete();
    }
    EXPECT_EQ(Messages(desk), (std::vector<std::uint32_t>{NIM_ADD, NIM_DELETE})) << "destruction sends nothing more";
}

TEST_F(TrayHandlers, LoadingAddsTheIconWithTheTooltipOwnedByThePictureBox) {
    Start(true);
    ASSERT_EQ(Messages(desk), std::vector<std::uint32_t>{NIM_ADD});
    const win::NotifyIconDataV1& data = desk.shellCalls[0].data;
    EXPECT_EQ(data.hWnd, markerWindow.trayOwner.Handle());
    EXPECT_NE(data.hWnd, nullptr);
    EXPECT_EQ(data.hIcon, markerWindow.Icon());
    EXPECT_EQ(Tip(data).substr(0, 11), std::string("Trailglint") + '\0');
    EXPECT_TRUE(desk.trayIconPresent);
}

TEST_F(TrayHandlers, ALeftReleaseRaisesAndTogglesTheMarkerAndNothingElseActs) {
    Start(true);
    for (int code : {0x200, 0x201, 0x203, 0x204, 0x206, 0x207, 0x208, 0x209}) desk.TrayCallback(code);
    EXPECT_TRUE(desk.calls.empty());
    EXPECT_EQ(desk.popups, 0);

    desk.TrayCallback(0x202);
    EXPECT_EQ(desk.calls, (std::vector<std::string>{"SetWindowPos(TOPMOST, 19)", "Hide"}));
    EXPECT_FALSE(markerShown);
    desk.TrayCallback(0x202);
    EXPECT_TRUE(markerShown);
    EXPECT_TRUE(markerWindow.Visible());

    // A double click: down, up, double-click, up.
    for (int code : {0x201, 0x202, 0x203, 0x202}) desk.TrayCallback(code);
    EXPECT_TRUE(markerWindow.Visible()) << "two releases toggle twice";
}

TEST_F(TrayHandlers, ARightReleaseOpensTheMenuEvenWhileHiddenAndTheMarkerStaysHidden) {
    Start(false);
    desk.TrayCallback(0x205);
    EXPECT_EQ(desk.popups, 1);
    EXPECT_FALSE(markerWindow.Visible());

    desk.onPopup = [](platform::MenuItem&) { return markerWindow.menu.showHide; };
    desk.calls.clear();
    desk.TrayCallback(0x205);
    EXPECT_TRUE(markerWindow.Visible());
    EXPECT_TRUE(markerShown);
    EXPECT_EQ(std::count(desk.calls.begin(), desk.calls.end(), "SetWindowPos(TOPMOST, 19)"), 0)
        << "show/hide leaves the z-order alone";
}

TEST_F(TrayHandlers, QuittingFromTheTraysMenuEndsCleanlyWithNothingMoreForTheShell) {
    Start(true);
    desk.onPopup = [](platform::MenuItem&) { return markerWindow.menu.quit; };
    desk.calls.clear();
    desk.TrayCallback(0x205);
    EXPECT_FALSE(markerWindow.IsLoaded());
    EXPECT_TRUE(desk.lastFormUnloaded);
    EXPECT_FALSE(desk.trayIconPresent);
    EXPECT_EQ(Messages(desk), (std::vector<std::uint32_t>{NIM_ADD, NIM_DELETE}));
    EXPECT_EQ(std::count(desk.calls.begin(), desk.calls.end(), "SetWindowRgn"), 0) << "no glyph re-applied";
    EXPECT_GE(desk.cursorDisplayCount, 0);
    EXPECT_NE(IniBytes().find("Disp Pointer=True"), std::string::npos);
}

TEST_F(TrayHandlers, ARestartedShellGetsTheIconBackOnce) {
    Start(true);
    desk.RestartShell();
    EXPECT_TRUE(desk.trayIconPresent);
    EXPECT_EQ(Messages(desk), (std::vector<std::uint32_t>{NIM_ADD, NIM_ADD}));
    desk.BroadcastTaskbarCreated();  // the shell did not really lose it
    EXPECT_TRUE(desk.trayIconPresent);

    desk.Close(markerWindow.Handle());
    desk.shellCalls.clear();
    desk.BroadcastTaskbarCreated();
    EXPECT_TRUE(desk.shellCalls.empty());
}

TEST_F(TrayHandlers, TheCodeIsRecoveredFromTwipsAtOtherResolutions) {
    for (float twipsPerPixel : {15.0f, 12.0f, 10.0f, 8.0f}) {
        desk.twipsPerPixelX = twipsPerPixel;
        desk.twipsPerPixelY = twipsPerPixel;
        Start(true);
        desk.TrayCallback(0x202);
        EXPECT_FALSE(markerWindow.Visible()) << twipsPerPixel;
        desk.TrayCallback(0x205);
        EXPECT_EQ(desk.popups, 1) << twipsPerPixel;
        desk.Close(markerWindow.Handle());
        desk.Reset();
        desk.exeFolder = folder.Path();
    }
}
