// The heap string buffer: one exactly sized block, and safe on failure.
#include "app/heap_text.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "tests/unit/desktop_fixture.h"

namespace {

class StrChain : public DesktopTest {
protected:
    std::size_t BlockSize(const HeapText& chain) { return desk.heapBlocks.at(chain.Block()); }
};

}  // namespace

TEST_F(StrChain, TheBlockIsExactlyAsLargeAsTheContent) {
    HeapText chain;
    EXPECT_EQ(chain.Text(), L"");
    chain.Clear();  // nothing to free on a fresh buffer
    EXPECT_EQ(chain.Block(), nullptr);

    chain.Append(L"ab");
    EXPECT_EQ(BlockSize(chain), 2u);
    chain.Append(L"c");
    EXPECT_EQ(chain.Text(), L"abc");
    EXPECT_EQ(chain.Length(), 3);
    EXPECT_EQ(BlockSize(chain), 3u);
    EXPECT_EQ(chain.Text(), L"abc") << "reading leaves the block as it was";

    chain.Clear();
    EXPECT_TRUE(desk.heapBlocks.empty());
    chain.Append(L"xyz!");
    EXPECT_EQ(BlockSize(chain), 4u);
    EXPECT_EQ(chain.Text(), L"xyz!");
}

TEST_F(StrChain, PiecesAreAnsiBytesUpToTheirFirstNul) {
    HeapText chain;
    chain.Append(std::wstring(L"ab\0cd", 5));
    chain.Append(L"\u00e9\u3042");  // é has a form in the code page, あ does not
    EXPECT_EQ(chain.Length(), 4);
    EXPECT_EQ(chain.Text(), L"ab\u00e9?");

    HeapText empty;
    empty.Append(L"");
    EXPECT_EQ(empty.Text(), L"");
}

TEST_F(StrChain, DestructionFreesTheBlock) {
    {
        HeapText chain;
        chain.Append(L"title");
        EXPECT_EQ(desk.heapBlocks.size(), 1u);
    }
    EXPECT_TRUE(desk.heapBlocks.empty());
}

TEST_F(StrChain, NoProcessHeapIsReportedAtCreation) {
    desk.processHeapAvailable = false;
    try {
        HeapText chain;
        ADD_FAILURE() << "created without a heap";
    } catch (const platform::RaisedError& e) {
        EXPECT_EQ(e.Number(), -2147220501);
        EXPECT_EQ(e.Description(), L"GetProcessHeap failed.");
    }
}

TEST_F(StrChain, AFailedAllocationKeepsTheBufferUsable) {
    HeapText chain;
    desk.heapFailures = 1;
    try {
        chain.Append(L"first");
        ADD_FAILURE() << "no error for a failed allocation";
    } catch (const platform::RaisedError& e) {
        EXPECT_EQ(e.Number(), -2147220502);
        EXPECT_EQ(e.Description(), L"HeapAlloc or HeapReAlloc failed.");
    }
    EXPECT_EQ(chain.Text(), L"");

    chain.Append(L"ab");
    desk.heapFailures = 1;
    EXPECT_THROW(chain.Append(L"cd"), platform::RaisedError);
    EXPECT_EQ(chain.Text(), L"ab") << "a failed resize loses nothing";
    EXPECT_EQ(BlockSize(chain), 2u);
    chain.Append(L"cd");
    EXPECT_EQ(chain.Text(), L"abcd");
}
