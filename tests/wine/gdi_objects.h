#pragma once
// Counts the GDI objects this process holds, from the GDI handle table that
// Windows (and Wine) map into every process (GetGuiResources answers 0 under
// Wine). Stock objects are counted too; compare counts, not absolutes.
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace gdi_objects {

struct HandleEntry {
    std::uint64_t object;
    USHORT processId;  // 0 for stock objects (and for every entry under Wine)
    USHORT lockAndCount;
    USHORT unique;
    UCHAR type;  // 0: a free entry
    UCHAR flags;
    std::uint64_t user;
};
static_assert(sizeof(HandleEntry) == 24);

// The table hangs off the 64-bit process block (GdiSharedHandleTable) with
// entries of the layout above. A 32-bit process on a 64-bit system (Windows,
// or Wine's 64-bit prefix) reaches that block through its 64-bit TEB, which
// the 32-bit TEB's WowTebOffset locates; a 32-bit system has no such TEB.
inline const HandleEntry* Table() {
    const auto* block = reinterpret_cast<const unsigned char*>(NtCurrentTeb());
#ifndef _WIN64
    const LONG toTeb64 = *reinterpret_cast<const LONG*>(block + 0xFDC);
    if (toTeb64 == 0) return nullptr;
    block += toTeb64;
#endif
    const auto peb = *reinterpret_cast<const std::uint64_t*>(block + 0x60);
    const auto table = *reinterpret_cast<const std::uint64_t*>(static_cast<std::uintptr_t>(peb) + 0xF8);
    return reinterpret_cast<const HandleEntry*>(static_cast<std::uintptr_t>(table));
}

inline int Count() {
    const HandleEntry* table = Table();
    if (!table) return -1;
    MEMORY_BASIC_INFORMATION mapped{};
    ::VirtualQuery(table, &mapped, sizeof mapped);
    const std::size_t readable = (static_cast<const unsigned char*>(mapped.BaseAddress) + mapped.RegionSize) -
                                 reinterpret_cast<const unsigned char*>(table);
    const std::size_t entries = std::min<std::size_t>(readable / sizeof(HandleEntry), 0x10000);
    const auto me = static_cast<USHORT>(::GetCurrentProcessId());
    int count = 0;
    for (std::size_t i = 0; i < entries; ++i) {
        if (table[i].type != 0 && (table[i].processId == me || table[i].processId == 0)) ++count;
    }
    return count;
}

}  // namespace gdi_objects
