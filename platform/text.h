#pragma once
// Wide text to and from the system ANSI code page, for the narrow calls and
// the byte-counted fields of Windows records.
#include <cstddef>
#include <string>
#include <string_view>

// Characters with no form in the code page become its substitute character;
// embedded NULs are kept.
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);

// The longest ANSI form of a prefix of `text` that fits in `limit` bytes,
// never splitting a double-byte character or a surrogate pair.
std::string AnsiPrefix(std::wstring_view text, std::size_t limit);
