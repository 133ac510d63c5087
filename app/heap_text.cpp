#include "app/heap_text.h"

#include <cstring>
#include <limits>

#include "platform/error.h"
#include "platform/text.h"

namespace {

const wchar_t* const kSource = L"Trailglint.HeapText";

}  // namespace

HeapText::HeapText(HANDLE heap) : heap_(heap) {
    if (heap_ == nullptr) throw RaisedError(kErrNoProcessHeap, L"GetProcessHeap failed.", kSource);
}

HeapText::~HeapText() { Clear(); }

void HeapText::Append(const std::wstring& piece) {
    const std::string ansi = ToAnsi(piece);
    const std::int32_t n = ::lstrlenA(ansi.c_str());
    if (static_cast<std::int64_t>(length_) + n > std::numeric_limits<std::int32_t>::max()) RaiseOverflow();
    const auto newLength = static_cast<SIZE_T>(length_) + static_cast<SIZE_T>(n);
    void* block = block_ == nullptr ? ::HeapAlloc(heap_, 0, newLength) : ::HeapReAlloc(heap_, 0, block_, newLength);
    // A failed resize leaves the old block as it was: keep it.
    if (block == nullptr) throw RaisedError(kErrHeapAllocFailed, L"HeapAlloc or HeapReAlloc failed.", kSource);
    block_ = block;
    std::memcpy(static_cast<char*>(block_) + length_, ansi.data(), static_cast<std::size_t>(n));
    length_ += n;
}

std::wstring HeapText::Text() const {
    if (block_ == nullptr) return {};
    return FromAnsi(std::string_view(static_cast<const char*>(block_), static_cast<std::size_t>(length_)));
}

void HeapText::Clear() {
    if (block_ == nullptr) return;
    ::HeapFree(heap_, 0, block_);
    block_ = nullptr;
    length_ = 0;
}
