#pragma once
// Raises the program's error type for the calling thread's last Windows error.

namespace platform::win32 {

[[noreturn]] void RaiseLastError();

}  // namespace platform::win32
