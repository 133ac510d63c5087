#pragma once
// The program: its title, settings and marker window, from the start to the
// end of the message loop. One copy runs per log-on session.
#include <memory>
#include <string>

#include "app/settings.h"
#include "platform/unique_handle.h"

class MarkerWindow;

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs until the marker window is gone; the exit code is 0, or 1 after a
    // failed start.
    int Run();

private:
    bool AnotherCopyRuns();
    // Nothing of the program is left running behind the error box.
    int FailedStart();

    std::wstring title_;  // caption of every error box
    std::wstring settingsPath_;
    Settings settings_;
    UniqueKernelHandle oneCopy_;
    std::unique_ptr<MarkerWindow> marker_;
};
