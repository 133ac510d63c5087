// The title from the program's own version resource, and the heap buffer on
// the real process heap.
#include <gtest/gtest.h>

#include "app/app_info.h"
#include "app/heap_text.h"

TEST(RealServices, TheTitleComesFromTheVersionResource) {
    EXPECT_EQ(ProgramTitle(L"Trailglint", L"Ember"), L"Trailglint (ver 1.0.1) [Ember]");
    EXPECT_EQ(ProgramTitle(L"Trailglint", L""), L"Trailglint (ver 1.0.1)");
}

TEST(RealServices, TheProgramFolderEndsInOneBackslash) {
    const std::wstring folder = ProgramFolder();
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_NE(folder[folder.size() - 2], L'\\');
}

TEST(RealServices, TheHeapBufferGrowsOnTheProcessHeap) {
    HeapText chain;
    std::wstring expected;
    for (int i = 0; i < 200; ++i) {
        chain.Append(L"piece" + std::to_wstring(i));
        expected += L"piece" + std::to_wstring(i);
    }
    EXPECT_EQ(chain.Text(), expected);
    EXPECT_EQ(chain.Length(), static_cast<std::int32_t>(expected.size()));
    chain.Clear();
    EXPECT_EQ(chain.Text(), L"");
}
