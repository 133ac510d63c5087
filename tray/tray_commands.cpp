// The tray icon's callbacks and the popup menu's show/hide and quit commands.
#include <cmath>

#include "app/settings.h"
#include "platform/screen.h"
#include "pointer/frm_main.h"

std::shared_ptr<clsTaskTray> FrmMain::TaskTray() {
    if (!objTaskTray) objTaskTray = std::make_shared<clsTaskTray>();
    return objTaskTray;
}

void FrmMain::pctTaskTray_MouseMove(std::int16_t, std::int16_t, float X, float) {
    // Held until this returns, even if the quit command unloads the window.
    const std::shared_ptr<clsTaskTray> tray = TaskTray();
    const auto code = static_cast<std::int32_t>(std::nearbyint(X)) /
                      static_cast<std::int32_t>(std::nearbyint(platform::screen::TwipsPerPixelX()));
    tray->Events(code);
    if (tray->EventRightButtonUp()) {
        // The popup brings its own owner to the foreground; activating the
        // marker as well would only take the focus from the user's application.
        OpenPointerMenu();
    } else if (tray->EventLeftButtonUp()) {
        MakeTopmost();
        blnDispPointer = !blnDispPointer;
        SetVisible(blnDispPointer);
    }
}

void FrmMain::mnuShowHide_Click_Click() {
    blnDispPointer = !blnDispPointer;
    SetVisible(blnDispPointer);
}

void FrmMain::mnuQuit_Click() {
    blnNoReshape = true;
    Unload(platform::UnloadMode::FormCode);
}

// A restarted shell has lost the icon: add it again while it is meant to show.
void FrmMain::Form_TrayRebuilt() {
    if (objTaskTray && objTaskTray->Shown()) objTaskTray->Add();
}
