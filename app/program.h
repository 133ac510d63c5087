#pragma once
// Program entry and the process-wide texts it sets once.
#include <string>

extern std::wstring programTitle;   // caption of every error box
extern std::wstring programFolder;  // program folder, ending in a backslash
extern std::wstring settingsPath;   // programFolder + "Trailglint.ini"

// Main itself is declared by the platform, which calls it at process start.
