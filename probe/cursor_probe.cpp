#include "probe/cursor_probe.h"

#include <array>

#include "platform/text.h"

namespace {

// Far more text than any window shows.
constexpr LRESULT kLongestText = LRESULT{16} * 1024 * 1024;

POINT CursorPosition() {
    POINT p{};
    return ::GetCursorPos(&p) ? p : POINT{};
}

// Each query takes its own reading of the cursor.
HWND WindowUnderCursor() {
    HWND window = ::WindowFromPoint(CursorPosition());
    return ::IsWindow(window) ? window : nullptr;
}

// A narrow query into a 256-byte buffer that answers the bytes copied.
template <typename Query>
std::wstring Read255(Query query) {
    HWND window = WindowUnderCursor();
    if (!window) return {};
    std::array<char, 256> buffer{};
    const int copied = query(window, buffer.data(), static_cast<int>(buffer.size()));
    return copied > 0 ? FromAnsi(std::string_view(buffer.data(), static_cast<std::size_t>(copied))) : L"";
}

}  // namespace

std::optional<POINT> CursorProbe::Position() const {
    POINT p{};
    if (!::GetCursorPos(&p)) return std::nullopt;
    return p;
}

LONG CursorProbe::X() const { return CursorPosition().x; }

LONG CursorProbe::Y() const { return CursorPosition().y; }

void CursorProbe::MoveToX(LONG x) { ::SetCursorPos(x, CursorPosition().y); }

void CursorProbe::MoveToY(LONG y) { ::SetCursorPos(CursorPosition().x, y); }

void CursorProbe::Show() {
    while (::ShowCursor(TRUE) < 0) {
    }
}

void CursorProbe::Hide() {
    while (::ShowCursor(FALSE) >= 0) {
    }
}

void CursorProbe::SetVisible(int visible) { visible != 0 ? Show() : Hide(); }

HWND CursorProbe::WindowUnder() const { return WindowUnderCursor(); }

std::wstring CursorProbe::ClassUnder() const { return Read255(::GetClassNameA); }

std::wstring CursorProbe::CaptionUnder() const { return Read255(::GetWindowTextA); }

std::wstring CursorProbe::TextUnder() const {
    HWND window = WindowUnderCursor();
    return window ? TextOf(window) : L"";
}

std::wstring CursorProbe::TextOf(HWND window) {
    // The length is whatever a foreign window answers: an absurd one gets no
    // buffer, and a failed allocation is empty text, never an error.
    const LRESULT length = ::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    if (length < 0 || length > kLongestText) return {};
    try {
        std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
        ::SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
        return FromAnsi(buffer);
    } catch (...) {
        return {};
    }
}

LRESULT CursorProbe::DragWindow(HWND window) {
    ::ReleaseCapture();
    return ::SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}
