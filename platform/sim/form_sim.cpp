// Windows of the simulated desktop.
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
        sim::desktop().windows[handle_] = window;
    }
    ~SimFormPeer() override { sim::desktop().windows.erase(handle_); }

    WindowHandle Handle() const override { return handle_; }
    PixelRect Bounds() const override { return Self().bounds; }
    void SetBounds(const PixelRect& bounds) override {
        Self().bounds = bounds;
        ++Self().moves;
    }
    bool Visible() const override { return Self().visible; }
    void SetVisible(bool visible) override { Self().visible = visible; }

private:
    sim::Window& Self() const { return sim::desktop().windows.at(handle_); }
    WindowHandle handle_;
};

}  // namespace

std::unique_ptr<FormPeer> CreateFormPeer(Form& owner, const FormDesign& design) {
    return std::make_unique<SimFormPeer>(owner, design);
}

void LastFormUnloaded() { sim::desktop().lastFormUnloaded = true; }

}  // namespace platform
