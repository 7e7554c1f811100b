// Text for the host's 8-bit calls, converted by the system into its ANSI code page.
#include <algorithm>
#include <cstddef>

#include "host/ansi_code_page.h"
#include "host/win32/win32_handles.h"

namespace hueloom {
namespace {

// The system counts in int, so very long text goes in pieces of this many code
// units, never split between the two halves of a surrogate pair.
constexpr std::size_t kPieceLength = std::size_t{1} << 28;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

void AppendConverted(std::u16string_view piece, std::string& bytes) {
    const auto* wide = reinterpret_cast<const wchar_t*>(piece.data());
    const int length = static_cast<int>(piece.size());
    const int needed = ::WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return;
    }
    const std::size_t start = bytes.size();
    bytes.resize(start + static_cast<std::size_t>(needed));
    const int written = ::WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data() + start, needed,
                                              nullptr, nullptr);
    bytes.resize(start + static_cast<std::size_t>(std::max(written, 0)));
}

}  // namespace

// Default flags: a character the code page lacks becomes whatever the system
// makes of it, a near letter where it has one, else the code page's '?'.
std::string ToAnsiCodePage(std::u16string_view text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    std::string bytes;
    while (!text.empty()) {
        std::size_t length = std::min(text.size(), kPieceLength);
        if (length < text.size() && IsHighSurrogate(text[length - 1])) {
            --length;
        }
        AppendConverted(text.substr(0, length), bytes);
        text.remove_prefix(length);
    }
    return bytes;
}

}  // namespace hueloom
