#pragma once
// Conversion between the program's wide text and the system ANSI code page,
// used wherever text goes to or comes from a narrow Windows call.
#include <string>
#include <string_view>

namespace platform {

// Characters without a form in the code page become its substitute character.
// Embedded NULs are kept.
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);

}  // namespace platform
