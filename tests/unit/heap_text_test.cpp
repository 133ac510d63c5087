// Text built from pieces in one exactly sized heap block.
#include <gtest/gtest.h>

#include "app/heap_text.h"
#include "platform/error.h"
#include "tests/unit/fake_windows.h"

TEST(HeapText, GrowsOneBlockExactlyToItsBytesAndFreesIt) {
    {
        HeapText text;
        text.Append(L"Trailglint");
        text.Append(std::wstring(L" (ver\0 ignored", 14));  // up to the first NUL
        text.Append(L"テスト");                             // two bytes each
        EXPECT_EQ(text.Text(), L"Trailglint (verテスト");
        EXPECT_EQ(text.Length(), 21);
        ASSERT_EQ(Fake().blocks.size(), 1u);
        EXPECT_EQ(Fake().blocks.at(const_cast<void*>(text.Block())), 21u);
        text.Clear();
        EXPECT_EQ(text.Text(), L"");
        EXPECT_TRUE(Fake().blocks.empty());
        text.Append(L"again");
    }
    EXPECT_TRUE(Fake().blocks.empty()) << "freed with its owner";
}

TEST(HeapText, AFailedGrowthRaisesAndKeepsTheTextSoFar) {
    HeapText text;
    text.Append(L"kept");
    Fake().failAllocations = true;
    EXPECT_THROW(text.Append(L" lost"), platform::RaisedError);
    Fake().failAllocations = false;
    EXPECT_EQ(text.Text(), L"kept");
    text.Append(L"!");
    EXPECT_EQ(text.Text(), L"kept!");
}
