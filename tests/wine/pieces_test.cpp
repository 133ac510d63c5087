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
        text.Append(std::wstring(L"Trailglint\0 ignored", 19));  // up to the first NUL
        text.Append(L" (ver");
        EXPECT_EQ(::HeapSize(small, 0, text.Block()), 15u);
        EXPECT_THROW(text.Append(std::wstring(100 * 1024, L'x')), RaisedError);
        EXPECT_EQ(text.Text(), L"Trailglint (ver");
    }
    EXPECT_TRUE(::HeapValidate(small, 0, nullptr));
    ::HeapDestroy(small);
}

// An ANSI window (no message translation on the way) that answers
// WM_GETTEXTLENGTH with its user data, and WM_GETTEXT with "hello".
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
    for (const LONG_PTR length : {LONG_PTR{8}, LONG_PTR{-1}, LONG_PTR{PTRDIFF_MAX}, LONG_PTR{1} << 30}) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, length);
        EXPECT_EQ(CursorProbe::TextOf(window), length == 8 ? std::wstring(L"hello\0\0\0\0", 9) : L"") << length;
    }
    ::DestroyWindow(window);
}
