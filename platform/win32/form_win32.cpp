// Forms as real top-level windows: borderless, hidden until the program shows
// them, never activated by being shown. Each keeps a device context of its own
// with its font selected and a transparent background mode.
#include <windowsx.h>

#include <array>
#include <vector>

#include "platform/form.h"
#include "platform/screen.h"
#include "platform/win32/font_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/last_error.h"
#include "platform/win32/windows_headers.h"

namespace platform {
namespace {

HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }

// Timer ids of the form's own timers, clear of the small ids other code
// on a window tends to use.
constexpr UINT_PTR kFirstTimerId = 0x7A10;

HICON LoadIconSized(int resource, int size) {
    if (resource == 0) return nullptr;
    // Shared icons from the module's resources are freed by the system.
    return static_cast<HICON>(
        ::LoadImageW(Instance(), MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

// A 32x32 cursor whose every pixel is transparent (AND mask set, XOR clear).
HCURSOR TransparentCursor() {
    static win32::UniqueCursor cursor = [] {
        std::array<BYTE, 32 * 32 / 8> andMask;
        std::array<BYTE, 32 * 32 / 8> xorMask{};
        andMask.fill(0xFF);
        return win32::UniqueCursor(::CreateCursor(Instance(), 0, 0, 32, 32, andMask.data(), xorMask.data()));
    }();
    return cursor.get();
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

void RegisterFormClass(const FormDesign& design) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(Instance(), design.windowClass.c_str(), &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = Instance();
    wc.hCursor = design.transparentCursor ? TransparentCursor() : ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconSized(design.iconResource, ::GetSystemMetrics(SM_CXICON));
    wc.hIconSm = LoadIconSized(design.iconResource, ::GetSystemMetrics(SM_CXSMICON));
    wc.lpszClassName = design.windowClass.c_str();
    ::RegisterClassExW(&wc);
}

// A real popup menu from the menu tree; `commands` maps command ids - 1 to items.
HMENU BuildMenu(const MenuItem& menu, std::vector<MenuItem*>& commands) {
    HMENU popup = ::CreatePopupMenu();
    for (const auto& child : menu.children) {
        if (child->IsSeparator()) {
            ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
        } else if (!child->children.empty()) {
            ::AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(*child, commands)),
                          child->caption.c_str());
        } else {
            commands.push_back(child.get());
            ::AppendMenuW(popup, MF_STRING | (child->checked ? MF_CHECKED : MF_UNCHECKED), commands.size(),
                          child->caption.c_str());
        }
    }
    return popup;
}

std::int16_t Buttons(WPARAM keys) {
    return static_cast<std::int16_t>(((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
                                     ((keys & MK_MBUTTON) ? 4 : 0));
}

std::int16_t Shift(WPARAM keys) {
    return static_cast<std::int16_t>(((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) |
                                     ((::GetKeyState(VK_MENU) < 0) ? 4 : 0));
}

// Picture boxes: hidden child windows whose mouse moves reach their box.
LRESULT CALLBACK PictureBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* box = reinterpret_cast<PictureBox*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (box && message == WM_MOUSEMOVE) {
        try {
            // x and y in twips, as the box's event promises.
            box->HandleMouseMove(Buttons(wParam), Shift(wParam),
                                 static_cast<float>(GET_X_LPARAM(lParam)) * screen::TwipsPerPixelX(),
                                 static_cast<float>(GET_Y_LPARAM(lParam)) * screen::TwipsPerPixelY());
        } catch (...) {
        }
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

const wchar_t* PictureBoxClass() {
    static const wchar_t* const name = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PictureBoxProc;
        wc.hInstance = Instance();
        wc.lpszClassName = L"TrailglintPictureBox";
        ::RegisterClassW(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

// The hidden owner of popup menu.
const wchar_t* MenuHostClass() {
    static const wchar_t* const name = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = Instance();
        wc.lpszClassName = L"TrailglintMenuHost";
        ::RegisterClassW(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

// Sent to every top-level window when the notification area is rebuilt.
UINT TaskbarCreatedMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

class Win32FormPeer final : public FormPeer {
public:
    Win32FormPeer(Form& owner, const FormDesign& design) {
        RegisterFormClass(design);
        const DWORD exStyle = design.noTaskbarButton ? WS_EX_TOOLWINDOW : 0;
        window_.reset(::CreateWindowExW(exStyle, design.windowClass.c_str(), design.caption.c_str(), WS_POPUP, 0, 0, 0,
                                        0, nullptr, nullptr, Instance(), this));
        if (!window_) win32::RaiseLastError();
        owner_ = &owner;
        icon_ = LoadIconSized(design.iconResource, ::GetSystemMetrics(SM_CXSMICON));
        dc_ = ::GetDC(window_.get());  // the class's own: valid for the window's life
        ::SetBkMode(dc_, TRANSPARENT);
        SetFont(design.font);
        SetColors(design.backColor, 0);
    }
    ~Win32FormPeer() override {
        // The form is going away: later messages must not reach it.
        if (window_) ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
        if (dc_ && font_) ::SelectObject(dc_, ::GetStockObject(SYSTEM_FONT));
        window_.reset();
    }

    Form* Owner() const { return owner_; }

    WindowHandle Handle() const override { return window_.get(); }

    // Kept here so that the 10 ms tick asks Windows nothing to learn where the
    // window is; WM_WINDOWPOSCHANGED keeps it true.
    PixelRect Bounds() const override { return bounds_; }

    void SetBounds(const PixelRect& b) override {
        ::SetWindowPos(window_.get(), nullptr, b.x, b.y, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void ReadBounds() {
        RECT r{};
        ::GetWindowRect(window_.get(), &r);
        bounds_ = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }

    bool Visible() const override { return ::IsWindowVisible(window_.get()) != FALSE; }

    // Showing never activates: the marker must not take the focus from the
    // application the user is presenting.
    void SetVisible(bool visible) override { ::ShowWindow(window_.get(), visible ? SW_SHOWNA : SW_HIDE); }

    void SetFont(const FontSpec& font) override {
        win32::UniqueFont created = win32::CreateFontFor(font);
        if (!created) return;
        ::SelectObject(dc_, created.get());
        font_ = std::move(created);  // the previous font is deselected, so it may go
    }

    void SetColors(std::uint32_t back, std::uint32_t fore) override {
        if (!background_ || back != backColor_) {
            background_.reset(::CreateSolidBrush(back));
            backColor_ = back;
        }
        ::SetTextColor(dc_, fore);
    }

    void* DeviceContext() const override { return dc_; }

    void Refresh() override {
        ::RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }

    WindowHandle CreateChild(PictureBox& box) override {
        return ::CreateWindowExW(0, PictureBoxClass(), L"", WS_CHILD, 0, 0, 0, 0, window_.get(), nullptr, Instance(),
                                 &box);
    }

    void* IconHandle() const override { return icon_; }

    void StartTimer(int id, unsigned intervalMs) override {
        ::SetTimer(window_.get(), kFirstTimerId + id, intervalMs, nullptr);
    }

    // A menu opened from a window that is not in the foreground needs its
    // owner brought forward first, or a click elsewhere will not close it;
    // and a message after it, or the next menu may flash shut. The owner is a
    // hidden window of its own, not the form: a form that was never active
    // keeps the focus with the user's application (and under Wine a window
    // once activated becomes a managed X window that stops following moves).
    // Afterwards the application that was in front gets the foreground back.
    MenuItem* TrackPopup(MenuItem& menu) override {
        std::vector<MenuItem*> commands;
        win32::UniqueMenu popup(BuildMenu(menu, commands));
        POINT at{};
        ::GetCursorPos(&at);
        HWND host = MenuHost();
        HWND previous = ::GetForegroundWindow();
        ::SetForegroundWindow(host);
        const UINT chosen = static_cast<UINT>(::TrackPopupMenuEx(
            popup.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, host, nullptr));
        ::PostMessageW(host, WM_NULL, 0, 0);
        // Only while the menu's owner still has it: a click into another
        // application that closed the menu leaves that application in front.
        if (previous && previous != host && ::IsWindow(previous) && ::GetForegroundWindow() == host) {
            ::SetForegroundWindow(previous);
        }
        return (chosen >= 1 && chosen <= commands.size()) ? commands[chosen - 1] : nullptr;
    }

    HWND MenuHost() {
        if (!menuHost_) {
            menuHost_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW, MenuHostClass(), L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                              nullptr, Instance(), nullptr));
        }
        return menuHost_.get();
    }

    void EraseBackground(HDC dc) const {
        RECT client{};
        ::GetClientRect(window_.get(), &client);
        ::FillRect(dc, &client, background_.get());
    }

private:
    win32::UniqueWindow window_;
    Form* owner_ = nullptr;
    HDC dc_ = nullptr;
    win32::UniqueFont font_;
    win32::UniqueBrush background_;
    std::uint32_t backColor_ = 0;
    PixelRect bounds_;
    HICON icon_ = nullptr;  // shared: the system frees it
    win32::UniqueWindow menuHost_;
};

Win32FormPeer* PeerOf(HWND hwnd) { return reinterpret_cast<Win32FormPeer*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Win32FormPeer* peer = PeerOf(hwnd);
    if (!peer || !peer->Owner()) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    Form& form = *peer->Owner();
    const auto pointTwips = [lParam](float perPixel, bool y) {
        return static_cast<float>(y ? GET_Y_LPARAM(lParam) : GET_X_LPARAM(lParam)) * perPixel;
    };
    // Nothing the program raises may cross into Windows.
    try {
        if (message == TaskbarCreatedMessage()) {
            form.HandleTrayRebuilt();
            return 0;
        }
        switch (message) {
            case WM_WINDOWPOSCHANGED:
                peer->ReadBounds();
                break;
            case WM_TIMER:
                if (wParam >= kFirstTimerId) form.HandleTimer(static_cast<int>(wParam - kFirstTimerId));
                return 0;
            case WM_MOUSEACTIVATE:
                // Clicking the marker must not take the focus from the user's application.
                return MA_NOACTIVATE;
            case WM_MOUSEMOVE:
                form.HandleMouseMove(Buttons(wParam), Shift(wParam), pointTwips(screen::TwipsPerPixelX(), false),
                                     pointTwips(screen::TwipsPerPixelY(), true));
                return 0;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP: {
                const std::int16_t button = message == WM_LBUTTONUP ? 1 : message == WM_RBUTTONUP ? 2 : 4;
                form.HandleMouseUp(button, Shift(wParam), pointTwips(screen::TwipsPerPixelX(), false),
                                   pointTwips(screen::TwipsPerPixelY(), true));
                return 0;
            }
            case WM_ERASEBKGND:
                peer->EraseBackground(reinterpret_cast<HDC>(wParam));
                return 1;
            case WM_CLOSE:
                form.HandleCloseRequest();
                return 0;
            case WM_QUERYENDSESSION:
                return TRUE;
            case WM_ENDSESSION:
                if (wParam) form.HandleEndSession();
                return 0;
            default:
                break;
        }
    } catch (...) {
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

std::unique_ptr<FormPeer> CreateFormPeer(Form& owner, const FormDesign& design) {
    return std::make_unique<Win32FormPeer>(owner, design);
}

void LastFormUnloaded() { ::PostQuitMessage(0); }

PixelSize MeasureText(const FontSpec& font, std::wstring_view text) {
    win32::UniqueFont measured = win32::CreateFontFor(font);
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ previous = ::SelectObject(screen, measured.get());
    SIZE extent{};
    ::GetTextExtentPoint32W(screen, text.data(), static_cast<int>(text.size()), &extent);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    return {extent.cx, extent.cy};
}

}  // namespace platform
