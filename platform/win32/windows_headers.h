#pragma once
// <windows.h> for the real backend, less the macros that clash with the names
// of the platform layer's own calls.
#include <windows.h>
#undef RtlMoveMemory
