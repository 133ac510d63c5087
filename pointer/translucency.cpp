#include "pointer/translucency.h"

#include "pointer/marker_menu.h"

void SetTranslucency(HWND window, int level) {
    if (level >= 1 && level <= static_cast<int>(kAlphaByLevel.size())) {
        ApplyLayeredAlpha(window, kAlphaByLevel[static_cast<std::size_t>(level - 1)]);
    } else {
        RemoveLayeredStyle(window);
    }
}

void ApplyLayeredAlpha(HWND window, BYTE alpha) {
    const LONG style = ::GetWindowLongW(window, GWL_EXSTYLE);
    if (!(style & WS_EX_LAYERED)) ::SetWindowLongW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    // The shape is the window's region, not a colour key.
    ::SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}

void RemoveLayeredStyle(HWND window) {
    const LONG style = ::GetWindowLongW(window, GWL_EXSTYLE);
    if (style & WS_EX_LAYERED) ::SetWindowLongW(window, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
}
