// Forms as real top-level windows: borderless, no task-bar button, hidden
// until the program shows them, never activated by being shown.
#include <windows.h>

#include "platform/form.h"
#include "platform/win32/handles.h"

namespace platform {
namespace {

HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }

HICON LoadIconSized(int resource, int size) {
    if (resource == 0) return nullptr;
    // Shared icons from the module's resources are freed by the system.
    return static_cast<HICON>(
        ::LoadImageW(Instance(), MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

void RegisterFormClass(const FormDesign& design) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(Instance(), design.windowClass.c_str(), &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = Instance();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconSized(design.iconResource, ::GetSystemMetrics(SM_CXICON));
    wc.hIconSm = LoadIconSized(design.iconResource, ::GetSystemMetrics(SM_CXSMICON));
    wc.lpszClassName = design.windowClass.c_str();
    ::RegisterClassExW(&wc);
}

Form* OwnerOf(HWND hwnd) { return reinterpret_cast<Form*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Form* owner = OwnerOf(hwnd);
    if (!owner) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    // Nothing the program raises may cross into Windows.
    try {
        switch (message) {
            case WM_CLOSE:
                owner->OnCloseRequest();
                return 0;
            case WM_QUERYENDSESSION:
                return TRUE;
            case WM_ENDSESSION:
                if (wParam) owner->OnEndSession();
                return 0;
            default:
                break;
        }
    } catch (...) {
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

class Win32FormPeer final : public FormPeer {
public:
    Win32FormPeer(Form& owner, const FormDesign& design) {
        RegisterFormClass(design);
        window_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, design.windowClass.c_str(), design.caption.c_str(), WS_POPUP,
                                        0, 0, 0, 0, nullptr, nullptr, Instance(), &owner));
    }
    ~Win32FormPeer() override {
        // The form is going away: later messages must not reach it.
        if (window_) ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
    }

    WindowHandle Handle() const override { return window_.get(); }

    PixelRect Bounds() const override {
        RECT r{};
        ::GetWindowRect(window_.get(), &r);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }

    void SetBounds(const PixelRect& b) override {
        ::SetWindowPos(window_.get(), nullptr, b.x, b.y, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    bool Visible() const override { return ::IsWindowVisible(window_.get()) != FALSE; }

    void SetVisible(bool visible) override { ::ShowWindow(window_.get(), visible ? SW_SHOWNA : SW_HIDE); }

private:
    win32::UniqueWindow window_;
};

}  // namespace

std::unique_ptr<FormPeer> CreateFormPeer(Form& owner, const FormDesign& design) {
    return std::make_unique<Win32FormPeer>(owner, design);
}

void LastFormUnloaded() { ::PostQuitMessage(0); }

}  // namespace platform
