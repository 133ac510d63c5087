// Windows of the simulated desktop.
#include <cmath>

#include "platform/form.h"
#include "platform/sim/desktop.h"

namespace platform {
namespace {

class SimFormPeer final : public FormPeer {
public:
    SimFormPeer(Form& owner, const FormDesign& design) : handle_(sim::desktop().NewHandle()) {
        sim::Window window;
        window.owner = &owner;
        window.design = design;
        window.font = design.font;
        window.backColor = design.backColor;
        window.dc = sim::desktop().NewHandle();
        sim::desktop().windows[handle_] = window;
    }
    ~SimFormPeer() override {
        sim::Desktop& d = sim::desktop();
        for (WindowHandle child : children_) {
            d.pictureBoxes.erase(child);
            d.windows.erase(child);
        }
        d.regions.erase(Self().region);
        d.paths.erase(Self().dc);
        d.windows.erase(handle_);
    }

    WindowHandle Handle() const override { return handle_; }
    PixelRect Bounds() const override { return Self().bounds; }
    void SetBounds(const PixelRect& bounds) override {
        Self().bounds = bounds;
        ++Self().moves;
        sim::desktop().calls.push_back("Move");
    }
    bool Visible() const override { return Self().visible; }
    void SetVisible(bool visible) override {
        Self().visible = visible;
        sim::desktop().calls.push_back(visible ? "Show" : "Hide");
    }
    void SetFont(const FontSpec& font) override { Self().font = font; }
    void SetColors(std::uint32_t back, std::uint32_t fore) override {
        Self().backColor = back;
        Self().foreColor = fore;
    }
    void* DeviceContext() const override { return Self().dc; }
    void Refresh() override {
        ++Self().refreshes;
        sim::desktop().calls.push_back("Refresh");
    }
    void StartTimer(int id, unsigned) override { Self().timers.push_back(id); }
    WindowHandle CreateChild(PictureBox& box) override {
        sim::Desktop& d = sim::desktop();
        WindowHandle child = d.NewHandle();
        d.windows[child].className = "PictureBox";
        d.pictureBoxes[child] = &box;
        children_.push_back(child);
        return child;
    }
    void* IconHandle() const override { return reinterpret_cast<void*>(0x1C0); }
    MenuItem* TrackPopup(MenuItem& menu) override {
        sim::Desktop& d = sim::desktop();
        ++d.popups;
        return d.onPopup ? d.onPopup(menu) : nullptr;
    }

private:
    sim::Window& Self() const { return sim::desktop().windows.at(handle_); }
    WindowHandle handle_;
    std::vector<WindowHandle> children_;
};

}  // namespace

std::unique_ptr<FormPeer> CreateFormPeer(Form& owner, const FormDesign& design) {
    return std::make_unique<SimFormPeer>(owner, design);
}

void LastFormUnloaded() { sim::desktop().lastFormUnloaded = true; }

// Simple metrics: every character is a square cell as wide as the font is
// high (points at 96 dots per inch).
PixelSize MeasureText(const FontSpec& font, std::wstring_view text) {
    const int cell = static_cast<int>(std::lround(font.points * 96.0f / 72.0f));
    return {cell * static_cast<int>(text.size()), cell};
}

}  // namespace platform
