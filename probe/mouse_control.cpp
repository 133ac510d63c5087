#include "probe/mouse_control.h"

#include <array>
#include <string>

#include "platform/text.h"
#include "platform/win.h"

namespace {

constexpr std::uint32_t WM_GETTEXT = 0x000D;
constexpr std::uint32_t WM_GETTEXTLENGTH = 0x000E;
constexpr std::uint32_t WM_NCLBUTTONDOWN = 0x00A1;
constexpr std::uintptr_t HTCAPTION = 2;

win::Point CursorPosition() {
    win::Point p;
    if (!win::GetCursorPos(p)) p = {};
    return p;
}

// Each query takes its own reading of the cursor.
win::Handle WindowUnderCursor() {
    win::Handle window = win::WindowFromPoint(CursorPosition());
    return win::IsWindow(window) ? window : nullptr;
}

// A narrow query that fills a 256-byte buffer and returns the bytes copied.
template <typename Query>
std::wstring Read255(Query query) {
    win::Handle window = WindowUnderCursor();
    if (!window) return {};
    std::array<char, 256> buffer{};
    const int copied = query(window, buffer.data(), static_cast<int>(buffer.size()));
    if (copied <= 0) return {};
    return platform::FromAnsi(std::string_view(buffer.data(), static_cast<std::size_t>(copied)));
}

}  // namespace

std::int32_t clsMouseControl::NowX() const { return CursorPosition().x; }

std::int32_t clsMouseControl::NowY() const { return CursorPosition().y; }

void clsMouseControl::NowX(std::int32_t Ix) { win::SetCursorPos(Ix, CursorPosition().y); }

void clsMouseControl::NowY(std::int32_t Iy) { win::SetCursorPos(CursorPosition().x, Iy); }

void clsMouseControl::Show() {
    while (win::ShowCursor(true) < 0) {
    }
}

void clsMouseControl::Hide() {
    while (win::ShowCursor(false) >= 0) {
    }
}

void clsMouseControl::Visible(std::int32_t Ivisible) { Ivisible != 0 ? Show() : Hide(); }

void* clsMouseControl::HwndUnderMouse() const { return WindowUnderCursor(); }

std::wstring clsMouseControl::ClassUnderMouse() const { return Read255(win::GetClassNameA); }

std::wstring clsMouseControl::CaptionUnderMouse() const { return Read255(win::GetWindowTextA); }

std::wstring clsMouseControl::TextUnderMouse() const {
    win::Handle window = WindowUnderCursor();
    if (!window) return {};
    const std::intptr_t length = win::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    if (length < 0) return {};
    std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
    win::SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<std::intptr_t>(buffer.data()));
    // The whole buffer: the text, its NUL and any NULs after a short copy.
    return platform::FromAnsi(buffer);
}

std::intptr_t clsMouseControl::CatchWindowAndMove(void* IhWnd) {
    win::ReleaseCapture();
    return win::SendMessageA(IhWnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}
