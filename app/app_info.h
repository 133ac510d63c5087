#pragma once
// Start-up's general routines: the title, the program folder, the error box,
// and the search path for DLLs loaded on the program's behalf.
#include <string>

// "name (ver major.minor.revision) [tag]", without " [tag]" when the tag is
// empty. Empty text on any failure.
std::wstring ProgramTitle(const std::wstring& name, const std::wstring& tag);

// The executable's folder with exactly one trailing backslash; empty text on
// any failure.
std::wstring ProgramFolder();

// A modal stop box with the caption. If it cannot be shown, a second box
// names the error instead.
void ShowError(const std::wstring& message, const std::wstring& caption);

// DLLs that Windows loads for the program later come from the system folder
// only, never from the program's own (a portable exe may run from Downloads).
// Does nothing on a Windows without SetDefaultDllDirectories.
void RestrictDllSearchToSystem() noexcept;
