#pragma once
// <windows.h> for the real backend, less the macros that clash with the names
// of the platform layer's own calls.
#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>
#undef RtlMoveMemory
