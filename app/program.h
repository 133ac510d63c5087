#pragma once
// The program: its title, folder, settings and the marker window, from start
// to the end of the message loop.
#include <memory>
#include <string>

#include "app/settings.h"

class MarkerWindow;

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts, runs until the marker window is gone and answers the exit code:
    // 0, or 1 after a failed start.
    int Run();

private:
    // False after a failed start, with nothing of the program left running.
    bool Start();

    std::wstring title_;   // caption of every error box
    std::wstring folder_;  // ends in a backslash
    std::wstring settingsPath_;
    Settings settings_;
    std::unique_ptr<MarkerWindow> marker_;
};
