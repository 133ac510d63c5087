// The heap text buffer, the probe's text read and the tray icon's record,
// over the real heap, windows and code page.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <new>

#include "app/heap_text.h"
#include "platform/error.h"
#include "platform/text.h"
#include "probe/cursor_probe.h"
#include "tray/tray_icon.h"

TEST(HeapText, OneBlockExactlyItsBytesKeptWhenItCannotGrow) {
    HANDLE small = ::HeapCreate(0, 0, 64 * 1024);  // cannot grow past 64 KiB
    {
        HeapText text(small);
        text.Append(L"Trailglint");
        text.Append(std::wstring(L" (ver\0 ignored", 14));  // up to the first NUL
        EXPECT_EQ(text.Text(), L"Trailglint (ver");
        EXPECT_EQ(::HeapSize(small, 0, text.Block()), 15u);
        try {
            text.Append(std::wstring(100 * 1024, L'x'));
            ADD_FAILURE() << "grew past its heap";
        } catch (const RaisedError& error) {
            EXPECT_EQ(error.Number(), kErrHeapAllocFailed);
        }
        EXPECT_EQ(text.Text(), L"Trailglint (ver");
        text.Clear();
        EXPECT_EQ(text.Block(), nullptr);
        text.Append(L"again");
        EXPECT_EQ(::HeapSize(small, 0, text.Block()), 5u);
    }
    EXPECT_TRUE(::HeapValidate(small, 0, nullptr));
    ::HeapDestroy(small);
    EXPECT_THROW(HeapText(nullptr), RaisedError);
}

// An ANSI window (no message translation on the way) that answers
// WM_GETTEXTLENGTH with whatever the test puts in its user data, and
// WM_GETTEXT with "hello".
LRESULT CALLBACK Lengthy(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_GETTEXTLENGTH) return ::GetWindowLongPtrA(window, GWLP_USERDATA);
    if (message == WM_GETTEXT) return std::strncpy(reinterpret_cast<char*>(l), "hello", w), 5;
    return ::DefWindowProcA(window, message, w, l);
}

TEST(CursorProbe, AWindowsTextIsItsWholeBufferAndEmptyForAnAbsurdLength) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Lengthy;
    wc.lpszClassName = "TrailglintLengthy";
    ::RegisterClassA(&wc);
    HWND window = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 8);
    EXPECT_EQ(CursorProbe::TextOf(window), std::wstring(L"hello\0\0\0\0", 9)) << "the whole buffer";
    for (const LONG_PTR absurd : {LONG_PTR{-1}, LONG_PTR{PTRDIFF_MAX}, LONG_PTR{1} << 30}) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, absurd);
        EXPECT_EQ(CursorProbe::TextOf(window), L"") << absurd;
    }
    ::DestroyWindow(window);
}

TEST(TrayIcon, TheRecordCarriesTheIconAndATipCutWholeWithNoStrayBytes) {
    if (::GetACP() != 932) GTEST_SKIP() << "double-byte tips need code page 932";
    const std::wstring kana(40, L'あ');
    struct Case {
        std::wstring tip;
        std::string stored;  // the tip's bytes before the NUL
        DWORD flags;
    };
    for (const Case& c : {Case{L"Trailglint", "Trailglint", 7},
                          {std::wstring(70, L'x'), std::string(63, 'x'), 7},
                          {kana, ToAnsi(kana.substr(0, 31)), 7},
                          {L"a" + kana, ToAnsi(L"a" + kana.substr(0, 31)), 7},
                          {L"", "", 3}}) {
        TrayIcon tray;
        tray.SetOwner(reinterpret_cast<HWND>(0x1234));
        tray.SetIcon(reinterpret_cast<HICON>(0x5678));
        tray.SetTip(c.tip);
        alignas(NOTIFYICONDATAA) unsigned char bytes[sizeof(NOTIFYICONDATAA)];
        std::memset(bytes, 0xAA, sizeof bytes);  // memory that held other bytes before
        const auto& r = *new (bytes) NOTIFYICONDATAA(tray.Record());
        EXPECT_EQ(r.cbSize, NOTIFYICONDATAA_V1_SIZE);
        EXPECT_EQ(r.hWnd, reinterpret_cast<HWND>(0x1234));
        EXPECT_EQ(r.hIcon, reinterpret_cast<HICON>(0x5678));
        EXPECT_EQ(r.uID, 1u);
        EXPECT_EQ(r.uFlags, c.flags);  // message and icon, and the tip when there is one
        EXPECT_EQ(r.uCallbackMessage, static_cast<UINT>(WM_APP + 1));
        EXPECT_EQ(std::string(r.szTip, 64), c.stored + '\0' + std::string(63 - c.stored.size(), ' '));
        for (std::size_t i = 0; i < NOTIFYICONDATAA_V1_SIZE; ++i) EXPECT_NE(bytes[i], 0xAA) << "byte " << i;
    }
}
