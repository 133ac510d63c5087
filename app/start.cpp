// Program entry: title, folder, single instance, settings, then the marker.
#include "app/start.h"

#include <exception>

#include "app/settings.h"
#include "app/standard.h"
#include "platform/app.h"
#include "pointer/frm_main.h"

std::wstring strTitle;
std::wstring strAppPath;
std::wstring strIniFile;

namespace {

// A failed start ends the program at once: no unload handling, nothing saved.
void FailStartup() {
    try {
        ShowErrorMessage(L"予測不能のエラーが発生しました");
    } catch (...) {
        // Even the fallback box failed; there is no one left to tell.
    }
    platform::app::EndNow();
}

}  // namespace

void Main() {
    try {
        strTitle = GetAppTitle(L"Trailglint", L"Ember");
        strAppPath = GetAppPath();
        strIniFile = strAppPath + L"Trailglint.ini";
        if (platform::app::PrevInstance()) {
            ShowErrorMessage(L"二重起動はできません");
            return;
        }
        LoadSettings();
        frmMain.Load();
    } catch (const std::exception&) {
        FailStartup();
    }
}
