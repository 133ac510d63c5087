#pragma once
// The marker window.
#include <memory>

#include "platform/form.h"
#include "probe/mouse_control.h"

class FrmMain final : public platform::Form {
public:
    FrmMain();

    // True while the popup menu is up: the marker stays where it is.
    bool blnMenuOpen = false;
    // True while loading and once quitting has begun: no reshaping.
    bool blnNoReshape = true;

    // Created by whichever routine needs it first, released at unload.
    clsMouseControl& MouseControl();

protected:
    void Form_Load() override;
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode) override;
    void Form_Unload(std::int16_t& cancel) override;

private:
    std::unique_ptr<clsMouseControl> objMouseControl;
};

extern FrmMain frmMain;
