#pragma once
// Fonts from the toolkit's font description, sized for the screen.
#include <cmath>

#include "platform/form.h"
#include "platform/win32/handles.h"
#include "platform/win32/windows_headers.h"

namespace platform::win32 {

inline UniqueFont CreateFontFor(const FontSpec& font) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(font.points * static_cast<float>(dpi) / 72.0f));
    lf.lfWeight = font.weight;
    lf.lfCharSet = static_cast<BYTE>(font.charset);
    lstrcpynW(lf.lfFaceName, font.face.c_str(), LF_FACESIZE);
    return UniqueFont(::CreateFontIndirectW(&lf));
}

}  // namespace platform::win32
