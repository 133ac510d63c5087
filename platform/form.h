#pragma once
// A top-level window with geometry in twips and the load/unload life cycle of
// the program's forms. The backend owns the actual window and turns its
// messages into the calls below.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/menu.h"
#include "platform/picture_box.h"

namespace platform {

using WindowHandle = void*;

// Why a form is being unloaded, as passed to OnQueryUnload.
enum class UnloadMode : std::int16_t {
    FormControlMenu = 0,  // the window was asked to close
    FormCode = 1,         // the program unloads it
    AppWindows = 2,       // the Windows session is ending
};

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

struct FontSpec {
    std::wstring face = L"Arial";
    int charset = 0;
    int weight = 400;
    float points = 9.0f;
};

// What the window looks like before any code runs.
struct FormDesign {
    std::wstring windowClass;
    std::wstring caption;
    int iconResource = 0;  // 0: no icon of its own
    FontSpec font;         // selected into the window's own device context
    std::uint32_t backColor = 0xFFFFFF;
    bool noTaskbarButton = false;
    bool transparentCursor = false;  // a 32x32 cursor whose every pixel is transparent
};

class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual WindowHandle Handle() const = 0;
    virtual PixelRect Bounds() const = 0;
    virtual void SetBounds(const PixelRect& bounds) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetFont(const FontSpec& font) = 0;
    virtual void SetColors(std::uint32_t back, std::uint32_t fore) = 0;
    // The window's own device context: its font selected, background mode transparent.
    virtual void* DeviceContext() const = 0;
    virtual void Refresh() = 0;
    virtual void StartTimer(int id, unsigned intervalMs) = 0;
    // Opens the menu at the cursor; returns the chosen item once it has
    // closed, or nullptr. Commands run after this returns.
    virtual MenuItem* TrackPopup(MenuItem& menu) = 0;
    // A hidden child window whose messages reach the picture box.
    virtual WindowHandle CreateChild(PictureBox& box) = 0;
    // The form's own (small) icon.
    virtual void* IconHandle() const = 0;
};

class Form;
// Provided by the backend: creates the hidden window of a form being loaded.
std::unique_ptr<FormPeer> CreateFormPeer(Form& owner, const FormDesign& design);
// Provided by the backend: the last loaded form is gone, the program ends.
void LastFormUnloaded();
// Provided by the backend: the one-line extent of `text` in the font.
PixelSize MeasureText(const FontSpec& font, std::wstring_view text);

class Form {
public:
    explicit Form(FormDesign design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window (hidden) and runs OnLoad. Does nothing when loaded.
    void Load();
    // Runs OnQueryUnload, then OnUnload, then destroys the window.
    void Unload(UnloadMode mode = UnloadMode::FormCode);
    bool IsLoaded() const { return peer_ != nullptr; }

    WindowHandle Handle() const;

    // Geometry in twips, kept by the window in whole pixels.
    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void SetLeft(float twips);
    void SetTop(float twips);
    void SetWidth(float twips);
    void SetHeight(float twips);
    // Moves the window once with both edges (no call when nothing changes).
    void SetPosition(float leftTwips, float topTwips);

    bool Visible() const;
    void SetVisible(bool visible);

    float FontSize() const { return font_.points; }
    void SetFontSize(float points);
    const FontSpec& Font() const { return font_; }
    std::uint32_t BackColor() const { return backColor_; }
    std::uint32_t FillColor() const { return fillColor_; }
    std::uint32_t ForeColor() const { return foreColor_; }
    void SetBackColor(std::uint32_t color);
    void SetFillColor(std::uint32_t color) { fillColor_ = color; }
    void SetForeColor(std::uint32_t color);
    void* DeviceContext() const { return peer_ ? peer_->DeviceContext() : nullptr; }
    void* Icon() const { return peer_ ? peer_->IconHandle() : nullptr; }
    // Repaints the window at once.
    void Refresh();

    // Opens the menu at the cursor and returns once it has closed, after the
    // chosen item's command has run.
    void PopupMenu(MenuItem& menu);

    // Entry points for the backend's message handling.
    void HandleCloseRequest() { Unload(UnloadMode::FormControlMenu); }
    void HandleTimer(int id);
    void HandleMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
        OnMouseMove(button, shift, x, y);
    }
    void HandleMouseUp(std::int16_t button, std::int16_t shift, float x, float y) { OnMouseUp(button, shift, x, y); }
    void HandleEndSession() { Unload(UnloadMode::AppWindows); }
    // The shell rebuilt the notification area (it broadcasts "TaskbarCreated").
    void HandleTrayRebuilt() { OnTrayRebuilt(); }
    // Destroys the window with no unload handling (the program is ending at once).
    void Discard();

    static int LoadedCount();

protected:
    // A timer that ticks for as long as the form is loaded.
    void AddTimer(unsigned intervalMs, std::function<void()> tick);
    // A picture box whose window exists for as long as the form is loaded.
    void AddPictureBox(PictureBox& box) { boxes_.push_back(&box); }
    virtual void OnTrayRebuilt() {}

    virtual void OnLoad() {}
    virtual void OnMouseMove(std::int16_t, std::int16_t, float, float) {}
    // Button: 1 left, 2 right, 4 middle.
    virtual void OnMouseUp(std::int16_t, std::int16_t, float, float) {}
    virtual void OnQueryUnload(std::int16_t& cancel, std::int16_t unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void OnUnload(std::int16_t& cancel) { (void)cancel; }

private:
    void SetBounds(const PixelRect& bounds);
    void DestroyWindow();

    struct TimerSpec {
        unsigned intervalMs;
        std::function<void()> tick;
    };

    FormDesign design_;
    std::vector<TimerSpec> timers_;
    std::vector<PictureBox*> boxes_;
    FontSpec font_;
    std::uint32_t backColor_;
    std::uint32_t fillColor_ = 0;
    std::uint32_t foreColor_ = 0;
    std::unique_ptr<FormPeer> peer_;
    bool unloading_ = false;
};

}  // namespace platform
