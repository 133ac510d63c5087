#pragma once
// Text built piece by piece in one block of a heap (the process heap unless
// told otherwise), kept as ANSI bytes and exactly as large as its content.
#include <windows.h>

#include <cstdint>
#include <string>

inline constexpr std::int32_t kErrHeapAllocFailed = static_cast<std::int32_t>(0x800403EAu);
inline constexpr std::int32_t kErrNoProcessHeap = static_cast<std::int32_t>(0x800403EBu);

class HeapText {
public:
    // Raises kErrNoProcessHeap when there is no heap.
    explicit HeapText(HANDLE heap = ::GetProcessHeap());
    ~HeapText();
    HeapText(const HeapText&) = delete;
    HeapText& operator=(const HeapText&) = delete;

    // Appends the ANSI form of `piece` up to its first NUL. Raises
    // kErrHeapAllocFailed when the block cannot grow; the text so far is kept.
    void Append(const std::wstring& piece);
    std::wstring Text() const;
    void Clear();

    const void* Block() const { return block_; }

private:
    HANDLE heap_;
    void* block_ = nullptr;
    std::int32_t length_ = 0;
};
