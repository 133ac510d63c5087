#include "platform/text.h"

#include <windows.h>

std::string ToAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    const int wide = static_cast<int>(text.size());
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), wide, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::wstring FromAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int narrow = static_cast<int>(bytes.size());
    const int chars = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), narrow, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(chars), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), narrow, out.data(), chars);
    return out;
}

std::string AnsiPrefix(std::wstring_view text, std::size_t limit) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size();
        const std::size_t n = pair ? 2 : 1;
        const std::string piece = ToAnsi(text.substr(i, n));
        if (out.size() + piece.size() > limit) break;
        out += piece;
        i += n;
    }
    return out;
}
