// Process entry: the program runs from Main to the end of its message loop.
#include "platform/app.h"
#include "platform/win32/windows_headers.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return Main(); }
