// Heap, byte and cursor calls of the simulated desktop.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/sim/desktop.h"
#include "platform/win.h"

namespace win {
namespace {

// Any non-null value serves: the simulated heap is the C heap plus bookkeeping.
Handle const kProcessHeap = reinterpret_cast<Handle>(0x5EA9);

bool TakeFailure() {
    sim::Desktop& d = sim::desktop();
    if (d.heapFailures == 0) return false;
    --d.heapFailures;
    return true;
}

}  // namespace

Handle GetProcessHeap() { return sim::desktop().processHeapAvailable ? kProcessHeap : nullptr; }

void* HeapAlloc(Handle heap, std::uint32_t, std::size_t bytes) {
    if (heap != kProcessHeap || TakeFailure()) return nullptr;
    void* block = std::malloc(std::max<std::size_t>(bytes, 1));
    if (block) sim::desktop().heapBlocks[block] = bytes;
    return block;
}

void* HeapReAlloc(Handle heap, std::uint32_t, void* block, std::size_t bytes) {
    auto& blocks = sim::desktop().heapBlocks;
    if (heap != kProcessHeap || !blocks.count(block) || TakeFailure()) return nullptr;
    void* moved = std::realloc(block, std::max<std::size_t>(bytes, 1));
    if (!moved) return nullptr;
    blocks.erase(block);
    blocks[moved] = bytes;
    return moved;
}

bool HeapFree(Handle heap, std::uint32_t, void* block) {
    auto& blocks = sim::desktop().heapBlocks;
    if (heap != kProcessHeap || !blocks.count(block)) return false;
    blocks.erase(block);
    std::free(block);
    return true;
}

int lstrlenA(const char* text) { return text ? static_cast<int>(std::strlen(text)) : 0; }

void RtlMoveMemory(void* destination, const void* source, std::size_t bytes) {
    std::memmove(destination, source, bytes);
}

int ShowCursor(bool show) {
    sim::Desktop& d = sim::desktop();
    ++d.showCursorCalls;
    d.cursorDisplayCount += show ? 1 : -1;
    return d.cursorDisplayCount;
}

bool GetCursorPos(Point& point) {
    point = sim::desktop().cursor;
    return true;
}

bool SetCursorPos(int x, int y) {
    sim::desktop().cursor = {x, y};
    return true;
}

}  // namespace win
