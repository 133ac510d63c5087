// The four appearance commands and the reshape that ends each of them. The
// window is reshaped only here, never on the tracking tick.
#include "pointer/marker_menu.h"
#include "pointer/marker_window.h"
#include "pointer/translucency.h"

namespace {

constexpr int kRing = 2;
constexpr int kDoubleRing = 3;

}  // namespace

void MarkerWindow::ChooseGlyph(int index) {
    if (!RangeOf(MenuGroup::Glyph).Holds(index)) return;
    settings_.glyphIndex = index;
    // Rings leave the real cursor visible in their centre; filled glyphs take
    // its place while they are shown.
    if (index == kRing || index == kDoubleRing) {
        cursor_.Show();
    } else if (settings_.shown) {
        cursor_.Hide();
    }
    Reshape();
}

void MarkerWindow::ChooseSize(int index) {
    if (!RangeOf(MenuGroup::Size).Holds(index)) return;
    settings_.sizeIndex = index;
    const int points = kPointSizes[static_cast<std::size_t>(index - 1)];
    UniqueFont font(::CreateFontW(-::MulDiv(points, static_cast<int>(dpi_), 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                  SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH, L"ＭＳ ゴシック"));
    if (font && ::SelectObject(dc_, font.get())) {
        font_ = std::move(font);  // the old one is no longer selected
        fontDpi_ = dpi_;
    }
    Reshape();
}

void MarkerWindow::ChooseColor(int index) {
    if (!RangeOf(MenuGroup::Color).Holds(index)) return;
    settings_.colorIndex = index;
    UniqueBrush brush(::CreateSolidBrush(kColors[static_cast<std::size_t>(index - 1)]));
    if (brush) background_ = std::move(brush);
    Reshape();
}

void MarkerWindow::ChooseTranslucency(int index) {
    if (!RangeOf(MenuGroup::Translucency).Holds(index)) return;
    SetTranslucency(window_.get(), index);
    settings_.translucencyIndex = index;
    Reshape();
}

void MarkerWindow::Reshape() {
    if (reshapeHeld_) return;
    HWND window = window_.get();
    ::ShowWindow(window, SW_HIDE);
    const wchar_t* glyph = kGlyphs[static_cast<std::size_t>(settings_.glyphIndex - 1)];
    const int length = static_cast<int>(std::char_traits<wchar_t>::length(glyph));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc_, glyph, length, &extent);
    bounds_.right = bounds_.left + extent.cx;
    bounds_.bottom = bounds_.top + extent.cy;
    ::SetWindowPos(window, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Borderless: client and window coordinates agree.
    ::BeginPath(dc_);
    ::TextOutW(dc_, 0, 0, glyph, length);
    ::EndPath(dc_);
    UniqueRegion outline(::PathToRegion(dc_));
    if (::SetWindowRgn(window, outline.get(), TRUE)) outline.release();  // the window owns it now
    if (settings_.shown) ::ShowWindow(window, SW_SHOWNA);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
