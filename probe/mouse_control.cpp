#include "probe/mouse_control.h"

#include "platform/win.h"

namespace {

win::Point CursorPosition() {
    win::Point p;
    if (!win::GetCursorPos(p)) p = {};
    return p;
}

}  // namespace

std::int32_t clsMouseControl::NowX() const { return CursorPosition().x; }

std::int32_t clsMouseControl::NowY() const { return CursorPosition().y; }

void clsMouseControl::Show() {
    while (win::ShowCursor(true) < 0) {
    }
}

void clsMouseControl::Hide() {
    while (win::ShowCursor(false) >= 0) {
    }
}
