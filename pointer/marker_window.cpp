// The marker window's life: creation with the stored look, its window
// procedure, and the one unload however the end is asked for.
#include "pointer/marker_window.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <exception>
#include <utility>

#include "platform/error.h"
#include "pointer/dpi.h"
#include "pointer/geometry.h"
#include "tray/tray_events.h"

namespace {

constexpr wchar_t kClassName[] = L"TrailglintMarker";
constexpr int kProgramIcon = 1;  // in the resource script
constexpr UINT_PTR kTickTimer = 1;

// At exactly this size, drawn from the resource's nearest image: a shared
// icon would be whichever size of it was loaded first, shrunk.
UniqueIcon ProgramIcon(int size) {
    return UniqueIcon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon),
                                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

// 32 x 32 and transparent in every pixel (AND mask set, XOR clear): over the
// marker's shape the real cursor never shows.
UniqueCursor InvisibleCursor() {
    std::array<BYTE, 32 * 32 / 8> andMask{};
    std::array<BYTE, 32 * 32 / 8> xorMask{};
    andMask.fill(0xFF);
    return UniqueCursor(::CreateCursor(::GetModuleHandleW(nullptr), 0, 0, 32, 32, andMask.data(), xorMask.data()));
}

std::int32_t ToStoredTwips(LONG pixels, UINT dpi) {
    const std::int64_t twips = PixelsToTwips(pixels, static_cast<int>(dpi));
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(twips, INT32_MIN, INT32_MAX));
}

}  // namespace

MarkerWindow::MarkerWindow(Settings& settings, std::function<void()> saveSettings)
    : settings_(settings), saveSettings_(std::move(saveSettings)) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!::GetClassInfoExW(instance, kClassName, &wc)) {
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        // Shared, so the system frees it; the small one it takes from the
        // same resource at its own size.
        wc.hIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON, 0, 0,
                                                   LR_DEFAULTCOLOR | LR_DEFAULTSIZE | LR_SHARED));
        wc.lpszClassName = kClassName;
        ::RegisterClassExW(&wc);
    }
    invisibleCursor_ = InvisibleCursor();
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    // Hidden until shaped; the stored place, in the primary monitor's twips, is
    // replaced by the cursor's at once.
    const UINT primaryDpi = ScreenDpi();
    const auto x = static_cast<int>(TwipsToPixels(settings_.left, static_cast<int>(primaryDpi)));
    const auto y = static_cast<int>(TwipsToPixels(settings_.top, static_cast<int>(primaryDpi)));
    // No task-bar button; the procedure takes the handle at WM_NCCREATE.
    ::CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"Trailglint", WS_POPUP, x, y, 0, 0, nullptr, nullptr, instance,
                      this);
    if (!window_) RaiseLastError();
    bounds_ = {x, y, x, y};
    dc_ = ::GetDC(window_.get());
    ::SetBkMode(dc_, TRANSPARENT);  // a path of text takes the outlines only
    CentreOnCursor();               // still without a size: on the cursor's monitor, whose resolution the glyph takes
    dpi_ = WindowDpi(window_.get());
    // The popup menu's owner: the marker itself never becomes active, so the
    // user's application keeps the keyboard.
    menuOwner_.reset(
        ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr));

    ChooseGlyph(settings_.glyphIndex);
    ChooseColor(settings_.colorIndex);
    ChooseSize(settings_.sizeIndex);
    ChooseTranslucency(settings_.translucencyIndex);
    tray_.SetTip(L"Trailglint");
    tray_.SetOwner(window_.get());
    trayIcon_ = ProgramIcon(SmallIconSize(ScreenDpi()));  // the taskbar's monitor
    tray_.SetIcon(trayIcon_.get());
    tray_.Add();
    reshapeHeld_ = false;
    CentreOnCursor();
    Reshape();
    MakeTopmost();
    FollowMouseInput(settings_.shown);
    ::SetTimer(window_.get(), kTickTimer, 10, nullptr);
}

MarkerWindow::~MarkerWindow() {
    FollowMouseInput(false);
    tray_.Delete();  // while the window it reports to still exists
    if (dc_ && window_) ::SelectObject(dc_, ::GetStockObject(SYSTEM_FONT));  // so that the font can go
    window_.reset();
}

LRESULT CALLBACK MarkerWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MarkerWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_.reset(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MarkerWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_.release();
        self = nullptr;
    }
    if (self) {
        // Nothing crosses into Windows: a failure is reported and the program goes on.
        try {
            return self->HandleMessage(message, wParam, lParam);
        } catch (const std::exception& e) {
            ::OutputDebugStringA((std::string("Trailglint: ") + e.what() + "\n").c_str());
        } catch (...) {
            ::OutputDebugStringW(L"Trailglint: unexpected failure\n");
        }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MarkerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        tray_.AddAgain();  // a restarted shell has lost the icon
        return 0;
    }
    switch (message) {
        case WM_TIMER:
            if (wParam == kTickTimer) OnTick();
            return 0;
        case WM_MOUSEMOVE:
            CentreOnCursor();
            return 0;
        case WM_INPUT:
            // A mouse may report thousands of times a second: the last report
            // of those waiting moves the marker.
            if (!(HIWORD(::GetQueueStatus(QS_RAWINPUT)) & QS_RAWINPUT)) CentreOnCursor();
            return ::DefWindowProcW(window_.get(), message, wParam, lParam);  // which frees the input
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDOWN:
            pressed_ = message;
            return 0;
        // A click is a press and a release on the marker: a release alone is
        // the end of a click elsewhere (one that closed the menu, say) that the
        // marker, following the pointer, came under.
        case WM_LBUTTONUP:
        case WM_MBUTTONUP:
            if (std::exchange(pressed_, 0) == message - 1) HideByClick();
            return 0;
        case WM_RBUTTONUP:
            if (std::exchange(pressed_, 0) == message - 1) OpenMenu();
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;  // a click keeps the focus where it was
        case WM_SETCURSOR:
            ::SetCursor(invisibleCursor_.get());
            return TRUE;
        case WM_ERASEBKGND: {
            RECT client{};
            ::GetClientRect(window_.get(), &client);
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
            return 1;
        }
        case WM_DPICHANGED:  // centred on the cursor, it needs no suggested place
            OnDpiChanged(LOWORD(wParam));
            return 0;
        case kTrayCallbackMessage:
            OnTrayCallback(lParam);
            return 0;
        case WM_CLOSE:
            Close();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) EndSession();
            return 0;
        case WM_DESTROY:
            if (unloaded_) ::PostQuitMessage(0);  // not when a failed start tears it down
            return 0;
        default:
            return ::DefWindowProcW(window_.get(), message, wParam, lParam);
    }
}

void MarkerWindow::OnTrayCallback(LPARAM callback) {
    if (menuOpen_ || unloaded_) return;  // the open menu has the user's attention
    tray_.RecordEvent(callback);
    if (tray_.RightButtonUp()) {
        OpenMenu();
    } else if (tray_.LeftButtonUp()) {
        MakeTopmost();
        ToggleShown();
    }
}

void MarkerWindow::OnDpiChanged(UINT dpi) {
    if (dpi < 24 || dpi > 2400) return;  // no resolution Windows gives: another program's message
    dpi_ = dpi;
    if (menuOpen_ || unloaded_) return;  // the menu's end takes the new resolution on
    ChooseSize(settings_.sizeIndex);
    CentreOnCursor();
}

void MarkerWindow::Close() {
    if (menuOpen_) {
        closeAfterMenu_ = true;
        return;
    }
    Unload();
    window_.reset();  // WM_DESTROY ends the message loop
}

void MarkerWindow::EndSession() {
    if (menuOpen_) ::EndMenu();  // the window goes once the popup has returned
    Unload();
    if (!menuOpen_) window_.reset();
}

void MarkerWindow::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    reshapeHeld_ = true;
    FollowMouseInput(false);
    cursor_.Show();  // also while the save waits for a file another program holds
    // Saved before the icon goes: the shell call lets sent messages in, and a
    // session end arriving there must find the settings already saved.
    settings_.top = ToStoredTwips(bounds_.top, dpi_);
    settings_.left = ToStoredTwips(bounds_.left, dpi_);
    if (saveSettings_) saveSettings_();
    tray_.Delete();
}
