#pragma once
// General routines used at start-up: the title, the program folder and the
// one way the program reports a failure to the user.
#include <string>

// "name (ver major.minor.revision) [tag]"; without " [tag]" when the tag is
// empty. Empty text on any failure.
std::wstring ProgramTitle(const std::wstring& name, const std::wstring& tag);

// The executable's folder with exactly one trailing backslash; empty text on
// any failure.
std::wstring ProgramFolder();

// A modal stop box with the caption. If that box cannot be shown, a second
// box names the error instead.
void ShowError(const std::wstring& message, const std::wstring& caption);
