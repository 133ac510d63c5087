#pragma once
// One owner for every Windows handle the program creates: move-only, closed
// exactly once.
#include <windows.h>

#include <cstdint>
#include <type_traits>
#include <utility>

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type handle) noexcept : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    Type release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
    void reset(Type handle = Traits::Invalid()) noexcept {
        Type old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

private:
    Type handle_ = Traits::Invalid();
};

template <typename T, auto close, auto invalid = nullptr>
struct HandleTraits {
    using Type = T;
    static Type Invalid() {
        if constexpr (std::is_null_pointer_v<decltype(invalid)>) {
            return nullptr;
        } else {
            return reinterpret_cast<Type>(static_cast<std::intptr_t>(invalid));
        }
    }
    static void Close(Type h) { close(h); }
};

using UniqueKernelHandle = UniqueHandle<HandleTraits<HANDLE, ::CloseHandle>>;
using UniqueFile = UniqueHandle<HandleTraits<HANDLE, ::CloseHandle, -1>>;  // INVALID_HANDLE_VALUE
using UniqueWindow = UniqueHandle<HandleTraits<HWND, ::DestroyWindow>>;
using UniqueMenu = UniqueHandle<HandleTraits<HMENU, ::DestroyMenu>>;  // its submenus go with it
using UniqueCursor = UniqueHandle<HandleTraits<HCURSOR, ::DestroyCursor>>;
using UniqueIcon = UniqueHandle<HandleTraits<HICON, ::DestroyIcon>>;
using UniqueFont = UniqueHandle<HandleTraits<HFONT, ::DeleteObject>>;
using UniqueBrush = UniqueHandle<HandleTraits<HBRUSH, ::DeleteObject>>;
using UniqueRegion = UniqueHandle<HandleTraits<HRGN, ::DeleteObject>>;
