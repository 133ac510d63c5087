#include "app/str_chain.h"

#include <limits>

#include "platform/error.h"
#include "platform/text.h"

namespace {

const wchar_t* const kSource = L"Trailglint.clsStrChain";

}  // namespace

clsStrChain::clsStrChain() {
    lngHeap = win::GetProcessHeap();
    if (lngHeap == nullptr) throw platform::RaisedError(kErrNoProcessHeap, L"GetProcessHeap failed.", kSource);
}

clsStrChain::~clsStrChain() { ClearString(); }

void clsStrChain::AddString(const std::wstring& str) {
    if (lngHeap == nullptr) return;
    const std::string ansi = platform::ToAnsi(str);
    const std::int32_t n = win::lstrlenA(ansi.c_str());
    if (static_cast<std::int64_t>(lngLength) + n > std::numeric_limits<std::int32_t>::max()) {
        platform::RaiseOverflow();
    }
    const auto newLength = static_cast<std::size_t>(lngLength + n);
    void* block = lngBuffer == nullptr ? win::HeapAlloc(lngHeap, 0, static_cast<std::size_t>(n))
                                       : win::HeapReAlloc(lngHeap, 0, lngBuffer, newLength);
    // A failed resize leaves the old block valid: keep it, so nothing is lost
    // or written outside it.
    if (block == nullptr) {
        throw platform::RaisedError(kErrHeapAllocFailed, L"HeapAlloc or HeapReAlloc failed.", kSource);
    }
    lngBuffer = block;
    win::RtlMoveMemory(static_cast<char*>(lngBuffer) + lngLength, ansi.data(), static_cast<std::size_t>(n));
    lngLength += n;
}

std::wstring clsStrChain::GetString() const {
    if (lngBuffer == nullptr) return {};
    std::string bytes(static_cast<std::size_t>(lngLength), '\0');
    win::RtlMoveMemory(bytes.data(), lngBuffer, bytes.size());
    return platform::FromAnsi(bytes);
}

void clsStrChain::ClearString() {
    if (lngHeap == nullptr || lngBuffer == nullptr) return;
    win::HeapFree(lngHeap, 0, lngBuffer);
    lngBuffer = nullptr;
    lngLength = 0;
}
