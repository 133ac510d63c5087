#pragma once
// A windowless label that sizes itself to its caption on one line: its width
// and height are the extent of the caption in its font, in twips.
#include <string>

#include "platform/form.h"

namespace platform {

class Label {
public:
    // A label without a font of its own starts with its form's.
    explicit Label(const FontSpec& font) : font_(font) {}

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption);
    float FontSize() const { return font_.points; }
    void SetFontSize(float points);

    float Width() const;
    float Height() const;

private:
    void Measure();

    FontSpec font_;
    std::wstring caption_;
    PixelSize extent_;
};

}  // namespace platform
