#pragma once
// Application services: what the program needs of its runtime before and
// around its windows.
#include <string>

// The program begins here (defined by the program, called by the platform);
// it answers the process exit code.
int Main();

namespace platform::app {

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// True exactly when an earlier instance of the program is still running.
bool AnotherInstanceRuns();

// Folder of the running executable. Like a drive root ("C:\"), a folder may
// or may not end in a backslash; callers normalise it.
std::wstring ExeFolder();

// Major, minor and revision from the executable's version information.
Version ProgramVersion();

// Modal box with the stop icon and one OK button; returns once it is closed.
// Raises a RaisedError when the box cannot be shown.
void MessageBoxStop(const std::wstring& text, const std::wstring& caption);

bool FileExists(const std::wstring& path);

// Creates the file empty, truncating an existing one. False on any failure.
bool CreateEmptyFile(const std::wstring& path);

// Dispatches messages until the last form has been unloaded; answers the
// exit code that ended the loop.
int RunMessageLoop();

}  // namespace platform::app
