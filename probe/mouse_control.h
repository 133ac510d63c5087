#pragma once
// The Windows mouse cursor: where it is and whether it shows.
#include <cstdint>

class clsMouseControl {
public:
    // Cursor position in screen pixels ((0, 0) when it cannot be read).
    std::int32_t NowX() const;
    std::int32_t NowY() const;

    // Windows keeps a display count and shows the cursor while it is 0 or
    // more. Each loop makes at least one call, so Show always raises the
    // count and Hide always ends below zero.
    void Show();
    void Hide();
};
