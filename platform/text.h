#pragma once
// Conversion between the program's wide text and the system ANSI code page,
// used wherever text goes to or comes from a narrow Windows call.
#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Characters without a form in the code page become its substitute character.
// Embedded NULs are kept.
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);

// The longest ANSI form of a prefix of `text` that fits in `limit` bytes: a
// double-byte character (or a surrogate pair) is never split.
std::string AnsiPrefix(std::wstring_view text, std::size_t limit);

}  // namespace platform
