// The marker window's life: loading applies the stored settings, unloading
// stores the position, saves the settings and gives the real cursor back.
#include "pointer/frm_main.h"

#include <cmath>

#include "app/settings.h"
#include "platform/win.h"

namespace {

// The program icon in the resource script.
constexpr int kProgramIcon = 1;

const platform::FontSpec kGlyphFont{L"ＭＳ ゴシック", 128 /* Shift-JIS */, 700 /* bold */, 72.0f};

constexpr std::uint32_t SWP_NOSIZE = 0x1;
constexpr std::uint32_t SWP_NOMOVE = 0x2;
constexpr std::uint32_t SWP_NOACTIVATE = 0x10;

platform::FormDesign MarkerDesign() {
    platform::FormDesign design;
    design.windowClass = L"TrailglintMarker";
    design.caption = L"Trailglint";
    design.iconResource = kProgramIcon;
    design.font = kGlyphFont;
    design.backColor = 0x0000FF;
    design.noTaskbarButton = true;
    design.transparentCursor = true;
    return design;
}

}  // namespace

std::array<std::int32_t, 7> lngColorTable{};

FrmMain frmMain;

FrmMain::FrmMain() : Form(MarkerDesign()), lblTemplate(kGlyphFont) {
    BindMenuCommands();
    AddTimer(10, [this] { timMouseMove_Timer(); });  // timMouseMove
    AddPictureBox(pctTaskTray);
    pctTaskTray.MouseMove = [this](std::int16_t button, std::int16_t shift, float x, float y) {
        pctTaskTray_MouseMove(button, shift, x, y);
    };
}

// Topmost without moving, sizing or activating it.
void FrmMain::MakeTopmost() {
    win::SetWindowPos(hWnd(), reinterpret_cast<void*>(static_cast<std::intptr_t>(-1)), 0, 0, 0, 0,
                      SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void FrmMain::BindMenuCommands() {
    const auto bind = [this](const platform::MenuArray& array, void (FrmMain::*command)(std::int16_t&)) {
        for (platform::MenuItem* item : array.Items()) {
            item->click = [this, command, index = item->index] {
                std::int16_t chosen = index;
                (this->*command)(chosen);
            };
        }
    };
    bind(menus.mnuPointerTypeValue, &FrmMain::mnuPointerTypeValue_Click);
    bind(menus.mnuFontSizeValue, &FrmMain::mnuFontSizeValue_Click);
    bind(menus.mnuFontColorValue, &FrmMain::mnuFontColorValue_Click);
    bind(menus.mnuTransValue, &FrmMain::mnuTransValue_Click);
    menus.mnuShowHide_Click->click = [this] { mnuShowHide_Click_Click(); };
    menus.mnuQuit->click = [this] { mnuQuit_Click(); };
}

clsMouseControl& FrmMain::MouseControl() {
    if (!objMouseControl) objMouseControl = std::make_unique<clsMouseControl>();
    return *objMouseControl;
}

void FrmMain::Form_Load() {
    blnMenuOpen = false;
    blnNoReshape = true;
    lngColorTable = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x008000, 0x0000FF, 0x00FFFF};
    SetTop(static_cast<float>(lngTop));
    SetLeft(static_cast<float>(lngLeft));
    // The record's own fields: a correction a command makes stays in the record.
    mnuPointerTypeValue_Click(intPointerType);
    mnuFontColorValue_Click(intPointerColor);
    mnuFontSizeValue_Click(intPointerSize);
    mnuTransValue_Click(intTranslucence);
    const std::shared_ptr<clsTaskTray> tray = TaskTray();
    tray->ToolTipText(L"Trailglint");
    tray->Owner(pctTaskTray.hWnd());
    tray->Icon(Icon());
    tray->Add();
    blnNoReshape = false;
    MoveToCursor();
    timClock_Timer();
    MakeTopmost();
}

void FrmMain::Form_QueryUnload(std::int16_t&, std::int16_t) {
    TaskTray()->Delete();
    objTaskTray.reset();
}

void FrmMain::Form_Unload(std::int16_t&) {
    lngTop = static_cast<std::int32_t>(std::nearbyint(Top()));
    lngLeft = static_cast<std::int32_t>(std::nearbyint(Left()));
    SaveSettings();
    MouseControl().Show();
    objMouseControl.reset();
}
