#pragma once
// State of the fake desktop behind the natively tested pieces.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

struct FakeWindows {
    struct Window {
        std::string text;
        std::intptr_t reportedLength;
    };
    std::map<void*, std::size_t> blocks;  // live heap blocks and their sizes
    bool failAllocations = false;
    std::optional<Window> window;  // the window under the cursor, if any
};

FakeWindows& Fake();
