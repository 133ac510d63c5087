#pragma once
// A function of a system DLL that older Windows lacks (the program still
// starts on Windows 7): found by name, nullptr where there is none.
#include <windows.h>

template <typename FunctionPointer>
FunctionPointer SystemFunction(const wchar_t* module, const char* name) {
    HMODULE loaded = ::GetModuleHandleW(module);
    FARPROC found = loaded ? ::GetProcAddress(loaded, name) : nullptr;
    return reinterpret_cast<FunctionPointer>(reinterpret_cast<void*>(found));
}
