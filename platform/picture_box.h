#pragma once
// A picture box on a form: a child window of its own, here used only for its
// handle and its mouse-move event (x and y in twips).
#include <cstdint>
#include <functional>

namespace platform {

using WindowHandle = void*;

class PictureBox {
public:
    WindowHandle Handle() const { return handle_; }
    std::function<void(std::int16_t button, std::int16_t shift, float x, float y)> MouseMove;

    void HandleMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
        if (MouseMove) MouseMove(button, shift, x, y);
    }

private:
    friend class Form;
    WindowHandle handle_ = nullptr;
};

}  // namespace platform
