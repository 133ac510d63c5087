#include "app/heap_text.h"

#include <limits>

#include "platform/error.h"
#include "platform/text.h"

namespace {

const wchar_t* const kSource = L"Trailglint.HeapText";

}  // namespace

HeapText::HeapText() {
    heap_ = win::GetProcessHeap();
    if (heap_ == nullptr) throw platform::RaisedError(kErrNoProcessHeap, L"GetProcessHeap failed.", kSource);
}

HeapText::~HeapText() { Clear(); }

void HeapText::Append(const std::wstring& str) {
    if (heap_ == nullptr) return;
    const std::string ansi = platform::ToAnsi(str);
    const std::int32_t n = win::lstrlenA(ansi.c_str());
    if (static_cast<std::int64_t>(length_) + n > std::numeric_limits<std::int32_t>::max()) {
        platform::RaiseOverflow();
    }
    const auto newLength = static_cast<std::size_t>(length_ + n);
    void* block = block_ == nullptr ? win::HeapAlloc(heap_, 0, static_cast<std::size_t>(n))
                                    : win::HeapReAlloc(heap_, 0, block_, newLength);
    // A failed resize leaves the old block valid: keep it, so nothing is lost
    // or written outside it.
    if (block == nullptr) {
        throw platform::RaisedError(kErrHeapAllocFailed, L"HeapAlloc or HeapReAlloc failed.", kSource);
    }
    block_ = block;
    win::RtlMoveMemory(static_cast<char*>(block_) + length_, ansi.data(), static_cast<std::size_t>(n));
    length_ += n;
}

std::wstring HeapText::Text() const {
    if (block_ == nullptr) return {};
    std::string bytes(static_cast<std::size_t>(length_), '\0');
    win::RtlMoveMemory(bytes.data(), block_, bytes.size());
    return platform::FromAnsi(bytes);
}

void HeapText::Clear() {
    if (heap_ == nullptr || block_ == nullptr) return;
    win::HeapFree(heap_, 0, block_);
    block_ = nullptr;
    length_ = 0;
}
