#include "platform/form.h"

#include <cmath>

#include "platform/screen.h"

namespace platform {
namespace {

int loadedForms = 0;

int ToPixels(float twips, float twipsPerPixel) {
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) / twipsPerPixel));
}

float ToTwips(int pixels, float twipsPerPixel) { return static_cast<float>(pixels) * twipsPerPixel; }

}  // namespace

Form::Form(FormDesign design) : design_(std::move(design)), font_(design_.font), backColor_(design_.backColor) {}

Form::~Form() { Discard(); }

int Form::LoadedCount() { return loadedForms; }

void Form::Load() {
    if (peer_) return;
    font_ = design_.font;
    backColor_ = design_.backColor;
    peer_ = CreateFormPeer(*this, design_);
    ++loadedForms;
    for (PictureBox* box : boxes_) box->handle_ = peer_->CreateChild(*box);
    for (std::size_t id = 0; id < timers_.size(); ++id) peer_->StartTimer(static_cast<int>(id), timers_[id].intervalMs);
    OnLoad();
}

void Form::Unload(UnloadMode mode) {
    if (!peer_ || unloading_) return;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{unloading_};
    unloading_ = true;

    std::int16_t cancel = 0;
    OnQueryUnload(cancel, static_cast<std::int16_t>(mode));
    if (cancel != 0) return;
    OnUnload(cancel);
    if (cancel != 0) return;

    DestroyWindow();
    if (loadedForms == 0) LastFormUnloaded();
}

void Form::Discard() {
    if (peer_) DestroyWindow();
}

void Form::DestroyWindow() {
    for (PictureBox* box : boxes_) box->handle_ = nullptr;
    peer_.reset();
    --loadedForms;
}

WindowHandle Form::Handle() const { return peer_ ? peer_->Handle() : nullptr; }

float Form::Left() const { return peer_ ? ToTwips(peer_->Bounds().x, screen::TwipsPerPixelX()) : 0.0f; }
float Form::Top() const { return peer_ ? ToTwips(peer_->Bounds().y, screen::TwipsPerPixelY()) : 0.0f; }
float Form::Width() const { return peer_ ? ToTwips(peer_->Bounds().width, screen::TwipsPerPixelX()) : 0.0f; }
float Form::Height() const { return peer_ ? ToTwips(peer_->Bounds().height, screen::TwipsPerPixelY()) : 0.0f; }

void Form::SetBounds(const PixelRect& bounds) {
    if (!peer_) return;
    const PixelRect now = peer_->Bounds();
    if (now.x == bounds.x && now.y == bounds.y && now.width == bounds.width && now.height == bounds.height) {
        return;
    }
    peer_->SetBounds(bounds);
}

void Form::SetLeft(float twips) {
    if (!peer_) return;
    PixelRect r = peer_->Bounds();
    r.x = ToPixels(twips, screen::TwipsPerPixelX());
    SetBounds(r);
}

void Form::SetTop(float twips) {
    if (!peer_) return;
    PixelRect r = peer_->Bounds();
    r.y = ToPixels(twips, screen::TwipsPerPixelY());
    SetBounds(r);
}

void Form::SetWidth(float twips) {
    if (!peer_) return;
    PixelRect r = peer_->Bounds();
    r.width = ToPixels(twips, screen::TwipsPerPixelX());
    SetBounds(r);
}

void Form::SetHeight(float twips) {
    if (!peer_) return;
    PixelRect r = peer_->Bounds();
    r.height = ToPixels(twips, screen::TwipsPerPixelY());
    SetBounds(r);
}

void Form::SetPosition(float leftTwips, float topTwips) {
    if (!peer_) return;
    PixelRect r = peer_->Bounds();
    r.x = ToPixels(leftTwips, screen::TwipsPerPixelX());
    r.y = ToPixels(topTwips, screen::TwipsPerPixelY());
    SetBounds(r);
}

bool Form::Visible() const { return peer_ && peer_->Visible(); }

void Form::SetVisible(bool visible) {
    if (peer_ && peer_->Visible() != visible) peer_->SetVisible(visible);
}

void Form::SetFontSize(float points) {
    font_.points = points;
    if (peer_) peer_->SetFont(font_);
}

void Form::SetBackColor(std::uint32_t color) {
    backColor_ = color;
    if (peer_) peer_->SetColors(backColor_, foreColor_);
}

void Form::SetForeColor(std::uint32_t color) {
    foreColor_ = color;
    if (peer_) peer_->SetColors(backColor_, foreColor_);
}

void Form::AddTimer(unsigned intervalMs, std::function<void()> tick) {
    timers_.push_back({intervalMs, std::move(tick)});
}

void Form::HandleTimer(int id) {
    if (id >= 0 && static_cast<std::size_t>(id) < timers_.size()) timers_[static_cast<std::size_t>(id)].tick();
}

void Form::PopupMenu(MenuItem& menu) {
    if (!peer_) return;
    MenuItem* chosen = peer_->TrackPopup(menu);
    if (chosen && chosen->click) chosen->click();
}

void Form::Refresh() {
    if (peer_) peer_->Refresh();
}

}  // namespace platform
