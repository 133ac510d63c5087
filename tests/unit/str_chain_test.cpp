// The heap string buffer: one exactly sized block, and safe on failure.
#include "app/str_chain.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "tests/unit/desktop_fixture.h"

namespace {

class StrChain : public DesktopTest {
protected:
    std::size_t BlockSize(const clsStrChain& chain) { return desk.heapBlocks.at(chain.Block()); }
};

}  // namespace

TEST_F(StrChain, TheBlockIsExactlyAsLargeAsTheContent) {
    clsStrChain chain;
    EXPECT_EQ(chain.GetString(), L"");
    chain.ClearString();  // nothing to free on a fresh buffer
    EXPECT_EQ(chain.Block(), nullptr);

    chain.AddString(L"ab");
    EXPECT_EQ(BlockSize(chain), 2u);
    chain.AddString(L"c");
    EXPECT_EQ(chain.GetString(), L"abc");
    EXPECT_EQ(chain.Length(), 3);
    EXPECT_EQ(BlockSize(chain), 3u);
    EXPECT_EQ(chain.GetString(), L"abc") << "reading leaves the block as it was";

    chain.ClearString();
    EXPECT_TRUE(desk.heapBlocks.empty());
    chain.AddString(L"xyz!");
    EXPECT_EQ(BlockSize(chain), 4u);
    EXPECT_EQ(chain.GetString(), L"xyz!");
}

TEST_F(StrChain, PiecesAreAnsiBytesUpToTheirFirstNul) {
    clsStrChain chain;
    chain.AddString(std::wstring(L"ab\0cd", 5));
    chain.AddString(L"\u00e9\u3042");  // é has a form in the code page, あ does not
    EXPECT_EQ(chain.Length(), 4);
    EXPECT_EQ(chain.GetString(), L"ab\u00e9?");

    clsStrChain empty;
    empty.AddString(L"");
    EXPECT_EQ(empty.GetString(), L"");
}

TEST_F(StrChain, DestructionFreesTheBlock) {
    {
        clsStrChain chain;
        chain.AddString(L"title");
        EXPECT_EQ(desk.heapBlocks.size(), 1u);
    }
    EXPECT_TRUE(desk.heapBlocks.empty());
}

TEST_F(StrChain, NoProcessHeapIsReportedAtCreation) {
    desk.processHeapAvailable = false;
    try {
        clsStrChain chain;
        ADD_FAILURE() << "created without a heap";
    } catch (const platform::RaisedError& e) {
        EXPECT_EQ(e.Number(), -2147220501);
        EXPECT_EQ(e.Description(), L"GetProcessHeap failed.");
    }
}

TEST_F(StrChain, AFailedAllocationKeepsTheBufferUsable) {
    clsStrChain chain;
    desk.heapFailures = 1;
    try {
        chain.AddString(L"first");
        ADD_FAILURE() << "no error for a failed allocation";
    } catch (const platform::RaisedError& e) {
        EXPECT_EQ(e.Number(), -2147220502);
        EXPECT_EQ(e.Description(), L"HeapAlloc or HeapReAlloc failed.");
    }
    EXPECT_EQ(chain.GetString(), L"");

    chain.AddString(L"ab");
    desk.heapFailures = 1;
    EXPECT_THROW(chain.AddString(L"cd"), platform::RaisedError);
    EXPECT_EQ(chain.GetString(), L"ab") << "a failed resize loses nothing";
    EXPECT_EQ(BlockSize(chain), 2u);
    chain.AddString(L"cd");
    EXPECT_EQ(chain.GetString(), L"abcd");
}
