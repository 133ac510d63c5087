#pragma once
// The mouse cursor and the window under it: position, visibility, the
// window's handle, class and texts, and dragging a window by its caption.
// Holds no state: every answer is read from Windows when asked.
#include <windows.h>

#include <optional>
#include <string>

class CursorProbe {
public:
    // Cursor position in screen pixels; empty when it cannot be read (the
    // secure desktop of a UAC prompt or the lock screen).
    std::optional<POINT> Position() const;
    // The same, (0, 0) when it cannot be read.
    LONG X() const;
    LONG Y() const;
    // Moves the cursor along one axis, keeping the other coordinate.
    void MoveToX(LONG x);
    void MoveToY(LONG y);

    // Windows keeps a display count and shows the cursor while it is 0 or
    // more. Each loop makes at least one call, so Show always raises the
    // count and Hide always ends below zero.
    void Show();
    void Hide();
    // Any non-zero value shows the cursor.
    void SetVisible(int visible);

    // The window under the cursor, or nullptr; its class name and caption (at
    // most 255 bytes), and its text as the window gives it by message, NUL
    // included. Empty text when there is no window.
    HWND WindowUnder() const;
    std::wstring ClassUnder() const;
    std::wstring CaptionUnder() const;
    std::wstring TextUnder() const;
    // A window's text by WM_GETTEXT: the whole buffer of the length it
    // answers, plus one NUL. Empty for a length below 0 or above 16 MiB.
    static std::wstring TextOf(HWND window);

    // Lets the window follow the mouse as if its caption had been pressed.
    LRESULT DragWindow(HWND window);
};
