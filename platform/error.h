#pragma once
// The one error type of the program. A routine raises it with a number, a
// description and a source; only Main turns it into a message for the user.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

class RaisedError : public std::runtime_error {
public:
    RaisedError(std::int32_t number, std::wstring description, std::wstring source = L"Trailglint")
        : std::runtime_error("raised error"),
          number_(number),
          description_(std::move(description)),
          source_(std::move(source)) {}

    std::int32_t Number() const noexcept { return number_; }
    const std::wstring& Description() const noexcept { return description_; }
    const std::wstring& Source() const noexcept { return source_; }

private:
    std::int32_t number_;
    std::wstring description_;
    std::wstring source_;
};

// Numbers the runtime itself uses.
inline constexpr std::int32_t kErrOverflow = 6;
inline constexpr std::int32_t kErrSubscriptOutOfRange = 9;

// Errors a class defines for itself start here.
inline constexpr std::int32_t kObjectErrorBase = static_cast<std::int32_t>(0x80040000u);

[[noreturn]] inline void RaiseOverflow() { throw RaisedError(kErrOverflow, L"Overflow"); }

}  // namespace platform
