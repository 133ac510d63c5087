// The heap text buffer and the probe's text read, over a real heap and window.
#include <gtest/gtest.h>

#include <cstring>

#include "app/heap_text.h"
#include "platform/error.h"
#include "probe/cursor_probe.h"

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
