// Application services and screen of the simulated desktop.
#include <filesystem>
#include <fstream>

#include "platform/app.h"
#include "platform/error.h"
#include "platform/screen.h"
#include "platform/sim/desktop.h"

namespace platform::app {

bool AnotherInstanceRuns() { return sim::desktop().previousInstance; }

std::wstring ExeFolder() { return sim::desktop().exeFolder; }

Version ProgramVersion() { return sim::desktop().version; }

void MessageBoxStop(const std::wstring& text, const std::wstring& caption) {
    sim::Desktop& d = sim::desktop();
    if (d.messageBoxFailures > 0) {
        --d.messageBoxFailures;
        throw RaisedError(7, L"Out of memory", L"Trailglint");
    }
    d.messageBoxes.push_back({text, caption});
}

bool FileExists(const std::wstring& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(sim::NativePath(path), ec);
}

bool CreateEmptyFile(const std::wstring& path) {
    std::ofstream file(sim::NativePath(path), std::ios::binary | std::ios::trunc);
    return file.is_open();
}

void EndNow() {
    sim::Desktop& d = sim::desktop();
    d.endedAtOnce = true;
    std::vector<Form*> owners;
    for (auto& [handle, window] : d.windows) {
        if (window.owner) owners.push_back(window.owner);
    }
    for (Form* owner : owners) owner->Discard();
}

}  // namespace platform::app

namespace platform::screen {

float TwipsPerPixelX() { return sim::desktop().twipsPerPixelX; }
float TwipsPerPixelY() { return sim::desktop().twipsPerPixelY; }

}  // namespace platform::screen
