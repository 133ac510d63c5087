// The record the shell gets for the tray icon, and the mouse codes it reports.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <new>

#include "platform/text.h"
#include "tray/tray_icon.h"

namespace {

// The record as built into memory that held other bytes before.
std::string RecordBytes(const TrayIcon& tray) {
    alignas(win::NotifyIconDataV1) unsigned char storage[sizeof(win::NotifyIconDataV1)];
    std::memset(storage, 0xAA, sizeof storage);
    new (storage) win::NotifyIconDataV1(tray.Record());
    return std::string(reinterpret_cast<const char*>(storage), sizeof storage);
}

}  // namespace

TEST(TrayIconRecord, CarriesTheIconAndATipCutWholeWithNoStrayBytes) {
    using Record = win::NotifyIconDataV1;
    static_assert(sizeof(void*) == 8 ? sizeof(Record) == 104 : sizeof(Record) == 88);
    const std::wstring kana(40, L'あ');
    struct Case {
        std::wstring tip;
        std::string stored;  // the tip's bytes before the NUL
        std::uint32_t flags;
    };
    const Case cases[] = {
        {L"Trailglint", "Trailglint", 7},
        {std::wstring(70, L'x'), std::string(63, 'x'), 7},
        {kana, platform::ToAnsi(kana.substr(0, 31)), 7},
        {L"a" + kana, platform::ToAnsi(L"a" + kana.substr(0, 31)), 7},
        {L"", "", 3},  // no tip flag
    };
    for (const Case& c : cases) {
        TrayIcon tray;
        tray.SetOwner(reinterpret_cast<void*>(0x1234));
        tray.SetIcon(reinterpret_cast<void*>(0x5678));
        tray.SetTip(c.tip);
        const std::string bytes = RecordBytes(tray);
        Record r;
        std::memcpy(&r, bytes.data(), sizeof r);
        EXPECT_EQ(r.cbSize, sizeof r);
        EXPECT_EQ(r.hWnd, reinterpret_cast<void*>(0x1234));
        EXPECT_EQ(r.hIcon, reinterpret_cast<void*>(0x5678));
        EXPECT_EQ(r.uID, 1u);
        EXPECT_EQ(r.uFlags, c.flags);
        EXPECT_EQ(r.uCallbackMessage, 0x200u);  // arrives as a mouse move
        EXPECT_EQ(std::string(r.szTip, sizeof r.szTip),
                  c.stored + '\0' + std::string(sizeof r.szTip - c.stored.size() - 1, ' '));
        // The gaps the compiler leaves between the fields are zero too.
        for (std::size_t i = sizeof r.cbSize; i < offsetof(Record, hWnd); ++i) EXPECT_EQ(bytes[i], 0) << i;
        for (std::size_t i = offsetof(Record, uCallbackMessage) + 4; i < offsetof(Record, hIcon); ++i) {
            EXPECT_EQ(bytes[i], 0) << i;
        }
    }
}

TEST(TrayIconEvents, EachMouseCodeRaisesOnlyItsOwnFlag) {
    TrayIcon tray;
    using Flag = bool (TrayIcon::*)() const;
    const Flag flags[] = {&TrayIcon::LeftButtonDown,   &TrayIcon::LeftButtonUp,   &TrayIcon::LeftButtonDblClick,
                          &TrayIcon::RightButtonDown,  &TrayIcon::RightButtonUp,  &TrayIcon::RightButtonDblClick,
                          &TrayIcon::MiddleButtonDown, &TrayIcon::MiddleButtonUp, &TrayIcon::MiddleButtonDblClick};
    for (std::int32_t code = 0x1FF; code <= 0x20A; ++code) {
        tray.RecordEvent(code);
        for (std::int32_t i = 0; i < 9; ++i) EXPECT_EQ((tray.*flags[i])(), code == 0x201 + i) << code;
    }
}
