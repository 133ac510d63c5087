// What start-up costs: reading and writing the settings file, and Main from
// entry to the point where the message loop takes over. Built natively (the
// simulated desktop, real files) and for Windows (run under Wine).
#include <cstdio>
#include <cstdlib>

#include "app/program.h"
#include "app/settings.h"
#include "bench/report.h"
#include "platform/app.h"
#include "pointer/marker_window.h"
#include "tests/support/files.h"

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/sim/desktop.h"
#endif

namespace {

using bench::Clock;
using bench::MicrosSince;
using bench::Report;

// Ends the loaded marker the way closing it does, and lets the loop see its quit.
void UnloadMarker() {
    markerWindow.Unload(platform::UnloadMode::FormControlMenu);
#ifdef _WIN32
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
#endif
}

}  // namespace

int main() {
    testing_files::TempFolder folder(L"trailglint-bench");
#ifndef _WIN32
    sim::desktop().exeFolder = folder.Path();
#endif
    settingsPath = folder.File(L"Trailglint.ini");
    testing_files::WriteBytes(settingsPath,
                              "[Window Design]\r\nTop=2000\r\nLeft=3000\r\nPointer Size=16\r\nPointer Color=6\r\n"
                              "Translucence=5\r\nPointer Type=5\r\n[Config]\r\nDisp Pointer=True\r\n");

    Report("LoadSettings + SaveSettings", 500, [] {
        const auto start = Clock::now();
        LoadSettings();
        SaveSettings();
        return MicrosSince(start);
    });

#ifdef _WIN32
    // Main runs from the program's folder: put the settings there.
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring iniBeside(exe);
    iniBeside = iniBeside.substr(0, iniBeside.find_last_of(L'\\') + 1) + L"Trailglint.ini";
    testing_files::WriteBytes(iniBeside, testing_files::ReadBytes(settingsPath));
#endif
    Report("Main to a running message loop", 200, [] {
        const auto start = Clock::now();
        Main();
        const double micros = MicrosSince(start);
        if (!markerWindow.IsLoaded()) {
            std::puts("Main did not load the marker");
            std::exit(1);
        }
        UnloadMarker();
        return micros;
    });
    return 0;
}
