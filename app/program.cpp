// Program entry: title, folder, single instance, settings, then the marker.
#include "app/program.h"

#include <exception>

#include "app/app_info.h"
#include "app/settings.h"
#include "platform/app.h"
#include "pointer/marker_window.h"

std::wstring programTitle;
std::wstring programFolder;
std::wstring settingsPath;

namespace {

// A failed start ends the program at once: no unload handling, nothing saved.
void FailStartup() {
    try {
        ShowError(L"予測不能のエラーが発生しました");
    } catch (...) {
        // Even the fallback box failed; there is no one left to tell.
    }
    platform::app::EndNow();
}

}  // namespace

void Main() {
    try {
        programTitle = ProgramTitle(L"Trailglint", L"Ember");
        programFolder = ProgramFolder();
        settingsPath = programFolder + L"Trailglint.ini";
        if (platform::app::AnotherInstanceRuns()) {
            ShowError(L"二重起動はできません");
            return;
        }
        LoadSettings();
        markerWindow.Load();
    } catch (const std::exception&) {
        FailStartup();
    }
}
