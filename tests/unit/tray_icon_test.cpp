// The record the shell gets for the tray icon; its tip is cut like every text
// handed to a narrow call, without splitting a double-byte character.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <new>

#include "platform/text.h"
#include "tray/tray_icon.h"

TEST(TrayIconRecord, CarriesTheIconAndATipCutWholeWithNoStrayBytes) {
    using Record = win::NotifyIconDataV1;
    static_assert(sizeof(void*) == 8 ? sizeof(Record) == 104 : sizeof(Record) == 88);
    const std::wstring kana(40, L'あ');
    struct Case {
        std::wstring tip;
        std::string stored;  // the tip's bytes before the NUL
        std::uint32_t flags;
    };
    for (const Case& c : {Case{L"Trailglint", "Trailglint", 7},
                          {std::wstring(70, L'x'), std::string(63, 'x'), 7},
                          {kana, platform::ToAnsi(kana.substr(0, 31)), 7},
                          {L"a" + kana, platform::ToAnsi(L"a" + kana.substr(0, 31)), 7},
                          {L"", "", 3}}) {
        TrayIcon tray;
        tray.SetOwner(reinterpret_cast<void*>(0x1234));
        tray.SetIcon(reinterpret_cast<void*>(0x5678));
        tray.SetTip(c.tip);
        // Built into memory that held other bytes before.
        alignas(Record) unsigned char bytes[sizeof(Record)];
        std::memset(bytes, 0xAA, sizeof bytes);
        const Record& r = *new (bytes) Record(tray.Record());
        EXPECT_EQ(r.cbSize, sizeof r);
        EXPECT_EQ(r.hWnd, reinterpret_cast<void*>(0x1234));
        EXPECT_EQ(r.hIcon, reinterpret_cast<void*>(0x5678));
        EXPECT_EQ(r.uID, 1u);
        EXPECT_EQ(r.uFlags, c.flags);           // message and icon, and the tip when there is one
        EXPECT_EQ(r.uCallbackMessage, 0x200u);  // arrives as a mouse move
        EXPECT_EQ(std::string(r.szTip, sizeof r.szTip), c.stored + '\0' + std::string(63 - c.stored.size(), ' '));
        // The gaps the compiler leaves between the fields are zero too.
        for (std::size_t i = sizeof r.cbSize; i < offsetof(Record, hWnd); ++i) EXPECT_EQ(bytes[i], 0) << i;
        for (std::size_t i = offsetof(Record, uCallbackMessage) + 4; i < offsetof(Record, hIcon); ++i) {
            EXPECT_EQ(bytes[i], 0) << i;
        }
    }
}
