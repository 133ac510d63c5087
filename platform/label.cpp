#include "platform/label.h"

#include "platform/screen.h"

namespace platform {

void Label::SetCaption(std::wstring caption) {
    caption_ = std::move(caption);
    Measure();
}

void Label::SetFontSize(float points) {
    font_.points = points;
    Measure();
}

void Label::Measure() { extent_ = caption_.empty() ? PixelSize{} : MeasureText(font_, caption_); }

float Label::Width() const { return static_cast<float>(extent_.width) * screen::TwipsPerPixelX(); }
float Label::Height() const { return static_cast<float>(extent_.height) * screen::TwipsPerPixelY(); }

}  // namespace platform
