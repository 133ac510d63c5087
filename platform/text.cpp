#include "platform/text.h"

namespace platform {

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

}  // namespace platform
