#pragma once
// Text built piece by piece in one block of the process heap, kept as ANSI
// bytes and exactly as large as its content (no spare capacity).
#include <cstdint>
#include <string>

#include "platform/win.h"

inline constexpr std::int32_t kErrHeapAllocFailed = static_cast<std::int32_t>(0x800403EAu);
inline constexpr std::int32_t kErrNoProcessHeap = static_cast<std::int32_t>(0x800403EBu);

class clsStrChain {
public:
    // Raises kErrNoProcessHeap when the process heap cannot be had.
    clsStrChain();
    ~clsStrChain();
    clsStrChain(const clsStrChain&) = delete;
    clsStrChain& operator=(const clsStrChain&) = delete;

    // Appends the ANSI form of `str` up to its first NUL. Raises
    // kErrHeapAllocFailed when the block cannot grow; the content so far is kept.
    void AddString(const std::wstring& str);
    std::wstring GetString() const;
    void ClearString();

    std::int32_t Length() const { return lngLength; }
    const void* Block() const { return lngBuffer; }

private:
    win::Handle lngHeap = nullptr;
    void* lngBuffer = nullptr;
    std::int32_t lngLength = 0;
};
