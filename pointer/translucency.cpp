#include "pointer/translucency.h"

#include <array>

#include "platform/win.h"

namespace {

constexpr int GWL_EXSTYLE = -20;
constexpr std::int32_t WS_EX_LAYERED = 0x80000;
constexpr std::uint32_t LWA_ALPHA = 0x2;
constexpr std::uint32_t RDW_ERASE = 0x4;

// Alpha for levels 1..10 ("10%".."100%"). Fixed steps, not a formula.
constexpr std::array<std::uint8_t, 10> kAlphaByLevel = {230, 210, 190, 165, 135, 105, 75, 45, 15, 0};

}  // namespace

void SetTranslucency(void* hwnd, std::int16_t level) {
    if (level >= 1 && level <= 10) {
        ApplyLayeredAlpha(hwnd, kAlphaByLevel[static_cast<std::size_t>(level - 1)]);
    } else {
        RemoveLayeredStyle(hwnd);
    }
}

void ApplyLayeredAlpha(void* hwnd, std::uint8_t alpha) {
    const std::int32_t style = win::GetWindowLongA(hwnd, GWL_EXSTYLE);
    if (!(style & WS_EX_LAYERED)) win::SetWindowLongA(hwnd, GWL_EXSTYLE, style | WS_EX_LAYERED);
    win::SetLayeredWindowAttributes(hwnd, 0, alpha, LWA_ALPHA);
    const win::Rect nothing{};
    win::RedrawWindow(hwnd, &nothing, nullptr, RDW_ERASE);
}

void RemoveLayeredStyle(void* hwnd) {
    const std::int32_t style = win::GetWindowLongA(hwnd, GWL_EXSTYLE);
    if (!(style & WS_EX_LAYERED)) return;
    win::SetWindowLongA(hwnd, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
    const win::Rect nothing{};
    win::RedrawWindow(hwnd, &nothing, nullptr, 0);
}
