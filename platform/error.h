#pragma once
// The program's one error type: a number, a description and a source, as the
// error box shows them when even the first box cannot be shown.
#include <cstdint>
#include <stdexcept>
#include <string>

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

inline constexpr std::int32_t kErrOverflow = 6;

[[noreturn]] inline void RaiseOverflow() { throw RaisedError(kErrOverflow, L"Overflow"); }

// The calling thread's last Windows error, with the system's text for it.
[[noreturn]] void RaiseLastError();
