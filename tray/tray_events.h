#pragma once
// The tray icon's callback: a message of the program's own whose lParam
// carries the mouse message (first-version callbacks, no NIM_SETVERSION).
#include <cstdint>
#include <optional>

inline constexpr unsigned kTrayCallbackMessage = 0x8000 + 1;  // WM_APP + 1

// The mouse messages the icon reports, WM_LBUTTONDOWN (0x201) to
// WM_MBUTTONDBLCLK (0x209), in the order of the tray icon's event flags.
inline constexpr unsigned kFirstTrayEvent = 0x201;
inline constexpr unsigned kTrayEventCount = 9;

// Which event flag a callback's lParam sets; empty for a move over the icon
// or anything else.
constexpr std::optional<unsigned> TrayEventIndex(std::intptr_t lParam) {
    const unsigned message = static_cast<unsigned>(lParam) & 0xFFFF;
    if (message < kFirstTrayEvent || message >= kFirstTrayEvent + kTrayEventCount) return std::nullopt;
    return message - kFirstTrayEvent;
}
