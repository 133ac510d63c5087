// Program entry: title, folder, single instance, settings, then the marker.
#include "app/program.h"

#include <exception>

#include "app/app_info.h"
#include "platform/app.h"
#include "pointer/marker_window.h"
#include "probe/cursor_probe.h"

int Main() {
    Program program;
    return program.Run();
}

Program::Program() = default;
Program::~Program() = default;

int Program::Run() {
    if (!Start()) return 1;
    return marker_ && marker_->IsLoaded() ? platform::app::RunMessageLoop() : 0;
}

bool Program::Start() {
    try {
        title_ = ProgramTitle(L"Trailglint", L"Ember");
        folder_ = ProgramFolder();
        settingsPath_ = folder_ + L"Trailglint.ini";
        if (platform::app::AnotherInstanceRuns()) {
            ShowError(L"二重起動はできません", title_);
            return true;
        }
        settings_ = LoadSettings(settingsPath_);
        marker_ = std::make_unique<MarkerWindow>(settings_, settingsPath_);
        marker_->Load();
        return true;
    } catch (const std::exception&) {
        // Nothing may run behind the box: no timer, hot key, menu or tray
        // icon, no unload that saves, and the real cursor back.
        marker_.reset();
        CursorProbe().Show();
        try {
            ShowError(L"予測不能のエラーが発生しました", title_);
        } catch (...) {
            // Even the fallback box failed; there is no one left to tell.
        }
        return false;
    }
}
