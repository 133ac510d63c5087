#pragma once
// The marker window: a borderless, topmost window cut to the outline of one
// glyph and centred on the cursor.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "probe/mouse_control.h"
#include "tray/popup_menu.h"
#include "tray/task_tray.h"

// Colours of the colour menu, 0x00BBGGRR; colour index n is entry n - 1.
extern std::array<std::int32_t, 7> lngColorTable;

class FrmMain final : public platform::Form {
public:
    FrmMain();

    // --- appearance commands: the menu's index, corrected in place where needed
    void mnuPointerTypeValue_Click(std::int16_t& Index);
    void mnuFontSizeValue_Click(std::int16_t& Index);
    void mnuFontColorValue_Click(std::int16_t& Index);
    void mnuTransValue_Click(std::int16_t& Index);

    // Sizes the window to the glyph, cuts it to the glyph's outline and shows
    // it exactly when the marker is to be shown.
    void timClock_Timer();
    // Centres the window on the cursor (not while the popup menu is up).
    void MoveToCursor();
    // Every 10 ms: follow the cursor; F9 opens the menu while the marker is
    // shown, F12 shows a hidden marker.
    void timMouseMove_Timer();
    // Pops up the menu at the cursor; afterwards re-applies the glyph unless
    // quitting has begun.
    void OpenPointerMenu();

    clsMouseControl& MouseControl();

    // --- the tray icon and the menu's own commands
    // The icon's callbacks: the mouse-message code arrives as x, in twips.
    void pctTaskTray_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void mnuShowHide_Click_Click();
    void mnuQuit_Click();
    // Created on first use; shared so that a running tray handler keeps it
    // alive while the window unloads underneath it.
    std::shared_ptr<clsTaskTray> TaskTray();

    // The current glyph, one of the glyph menu's captions.
    std::wstring strPointerText;
    // True while the popup menu is up: the marker stays where it is.
    bool blnMenuOpen = false;
    // True while loading and once quitting has begun: no reshaping.
    bool blnNoReshape = true;

    // Measures the glyph: its size is the window's size.
    platform::Label lblTemplate;
    // Never seen: owns the tray icon and receives its callbacks.
    platform::PictureBox pctTaskTray;
    PopupMenuTree menus = BuildPopupMenu();

protected:
    void Form_Load() override;
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode) override;
    void Form_Unload(std::int16_t& cancel) override;
    void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
    void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
    void Form_TrayRebuilt() override;

private:
    void BindMenuCommands();
    void MakeTopmost();

    std::unique_ptr<clsMouseControl> objMouseControl;
    std::shared_ptr<clsTaskTray> objTaskTray;
};

extern FrmMain frmMain;
