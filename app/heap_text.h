#pragma once
// Text built piece by piece in one block of the process heap, kept as ANSI
// bytes and exactly as large as its content (no spare capacity).
#include <cstdint>
#include <string>

#include "platform/win.h"

inline constexpr std::int32_t kErrHeapAllocFailed = static_cast<std::int32_t>(0x800403EAu);
inline constexpr std::int32_t kErrNoProcessHeap = static_cast<std::int32_t>(0x800403EBu);

class HeapText {
public:
    // Raises kErrNoProcessHeap when the process heap cannot be had.
    HeapText();
    ~HeapText();
    HeapText(const HeapText&) = delete;
    HeapText& operator=(const HeapText&) = delete;

    // Appends the ANSI form of `str` up to its first NUL. Raises
    // kErrHeapAllocFailed when the block cannot grow; the content so far is kept.
    void Append(const std::wstring& str);
    std::wstring Text() const;
    void Clear();

    std::int32_t Length() const { return length_; }
    const void* Block() const { return block_; }

private:
    win::Handle heap_ = nullptr;
    void* block_ = nullptr;
    std::int32_t length_ = 0;
};
