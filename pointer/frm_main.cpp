// The marker window's life: loading applies the stored settings, unloading
// stores the position, saves the settings and gives the real cursor back.
#include "pointer/frm_main.h"

#include <cmath>

#include "app/settings.h"

namespace {

// The program icon in the resource script.
constexpr int kProgramIcon = 1;

}  // namespace

FrmMain frmMain;

FrmMain::FrmMain() : Form({L"TrailglintMarker", L"Trailglint", kProgramIcon}) {}

clsMouseControl& FrmMain::MouseControl() {
    if (!objMouseControl) objMouseControl = std::make_unique<clsMouseControl>();
    return *objMouseControl;
}

void FrmMain::Form_Load() {
    blnMenuOpen = false;
    blnNoReshape = true;
    SetTop(static_cast<float>(lngTop));
    SetLeft(static_cast<float>(lngLeft));
    blnNoReshape = false;
}

void FrmMain::Form_QueryUnload(std::int16_t&, std::int16_t) {}

void FrmMain::Form_Unload(std::int16_t&) {
    lngTop = static_cast<std::int32_t>(std::nearbyint(Top()));
    lngLeft = static_cast<std::int32_t>(std::nearbyint(Left()));
    SaveSettings();
    MouseControl().Show();
    objMouseControl.reset();
}
