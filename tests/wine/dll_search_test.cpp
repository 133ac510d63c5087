// After the entry point's first call, a DLL planted beside the program is no longer found by its bare name. In a
// process of its own: the setting holds for the rest of the process.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/app_info.h"

TEST(DllSearch, APlantedDllBesideTheProgramIsFoundBeforeTheCallAndNotAfter) {
    HMODULE before = ::LoadLibraryW(L"trailglint_planted.dll");
    ASSERT_NE(before, nullptr) << "the planted DLL lies beside the test";
    ::FreeLibrary(before);
    RestrictDllSearchToSystem();
    EXPECT_EQ(::LoadLibraryW(L"trailglint_planted.dll"), nullptr);
    EXPECT_NE(::LoadLibraryW(L"version.dll"), nullptr) << "system DLLs are still found";
}
