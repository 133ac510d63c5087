#include "probe/cursor_probe.h"

#include <array>
#include <string>

#include "platform/text.h"
#include "platform/win.h"

namespace {

constexpr std::uint32_t WM_GETTEXT = 0x000D;
constexpr std::uint32_t WM_GETTEXTLENGTH = 0x000E;
constexpr std::uint32_t WM_NCLBUTTONDOWN = 0x00A1;
constexpr std::uintptr_t HTCAPTION = 2;
// Far more text than any window shows.
constexpr std::intptr_t kLongestText = 16 * 1024 * 1024;

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

std::int32_t CursorProbe::X() const { return CursorPosition().x; }

std::int32_t CursorProbe::Y() const { return CursorPosition().y; }

void CursorProbe::MoveToX(std::int32_t x) { win::SetCursorPos(x, CursorPosition().y); }

void CursorProbe::MoveToY(std::int32_t y) { win::SetCursorPos(CursorPosition().x, y); }

void CursorProbe::Show() {
    while (win::ShowCursor(true) < 0) {
    }
}

void CursorProbe::Hide() {
    while (win::ShowCursor(false) >= 0) {
    }
}

void CursorProbe::SetVisible(std::int32_t visible) { visible != 0 ? Show() : Hide(); }

void* CursorProbe::WindowUnder() const { return WindowUnderCursor(); }

std::wstring CursorProbe::ClassUnder() const { return Read255(win::GetClassNameA); }

std::wstring CursorProbe::CaptionUnder() const { return Read255(win::GetWindowTextA); }

std::wstring CursorProbe::TextUnder() const {
    win::Handle window = WindowUnderCursor();
    if (!window) return {};
    // The length is whatever a foreign window answers: an absurd one gets no
    // buffer, and a failed allocation is empty text, never an error.
    const std::intptr_t length = win::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    if (length < 0 || length > kLongestText) return {};
    try {
        std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
        win::SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<std::intptr_t>(buffer.data()));
        // The whole buffer: the text, its NUL and any NULs after a short copy.
        return platform::FromAnsi(buffer);
    } catch (...) {
        return {};
    }
}

std::intptr_t CursorProbe::DragWindow(void* window) {
    win::ReleaseCapture();
    return win::SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}
