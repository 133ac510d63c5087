// The tray icon's callbacks and the popup menu's show/hide and quit commands.
#include <cmath>

#include "platform/screen.h"
#include "pointer/marker_window.h"

std::shared_ptr<TrayIcon> MarkerWindow::Tray() {
    if (!trayIcon_) trayIcon_ = std::make_shared<TrayIcon>();
    return trayIcon_;
}

void MarkerWindow::OnTrayCallback(float x) {
    // Held until this returns, even if the quit command unloads the window.
    const std::shared_ptr<TrayIcon> tray = Tray();
    const auto code = static_cast<std::int32_t>(std::nearbyint(x)) /
                      static_cast<std::int32_t>(std::nearbyint(platform::screen::TwipsPerPixelX()));
    tray->RecordEvent(code);
    if (tray->RightButtonUp()) {
        // The popup brings its own owner to the foreground; activating the
        // marker as well would only take the focus from the user's application.
        OpenMenu();
    } else if (tray->LeftButtonUp()) {
        MakeTopmost();
        settings_.shown = !settings_.shown;
        SetVisible(settings_.shown);
    }
}

void MarkerWindow::ToggleShown() {
    settings_.shown = !settings_.shown;
    SetVisible(settings_.shown);
}

void MarkerWindow::Quit() {
    reshapeHeld_ = true;
    Unload(platform::UnloadMode::FormCode);
}

// A restarted shell has lost the icon: add it again while it is meant to show.
void MarkerWindow::OnTrayRebuilt() {
    if (trayIcon_ && trayIcon_->Shown()) trayIcon_->Add();
}
