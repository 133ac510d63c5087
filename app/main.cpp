// Process entry: the program takes no command line; its settings file is its
// only input.
#include <windows.h>

#include "app/app_info.h"
#include "app/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    RestrictDllSearchToSystem();
    Program program;
    return program.Run();
}
