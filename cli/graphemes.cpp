// Where the grapheme clusters of a line of UTF-8 begin: what a person sees as one character.
#include "cli/graphemes.h"

#include <utf8proc.h>

#include <array>
#include <cstring>
#include <string>

namespace hueloom::cli {
namespace {

constexpr std::uint64_t kHighBitOfEachByte = 0x8080808080808080u;

// The ASCII bytes the library joins to some ASCII neighbour, asked of the
// library itself once, so the fast path holds whatever its rules say. Among
// ASCII characters only pairs can join: the rules that look further back
// (emoji sequences, regional indicators) concern no ASCII character.
std::string AsciiJoiners() {
    std::array<bool, 128> joins{};
    for (utf8proc_int32_t first = 0; first < 128; ++first) {
        for (utf8proc_int32_t second = 0; second < 128; ++second) {
            utf8proc_int32_t state = 0;
            if (!utf8proc_grapheme_break_stateful(first, second, &state)) {
                joins[static_cast<std::size_t>(first)] = joins[static_cast<std::size_t>(second)] =
                    true;
            }
        }
    }
    std::string joiners;
    for (std::size_t c = 0; c < joins.size(); ++c) {
        if (joins[c]) joiners += static_cast<char>(c);
    }
    return joiners;
}

bool IsAscii(std::string_view text) {
    std::uint64_t bits = 0;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t eight;
        std::memcpy(&eight, text.data() + at, sizeof eight);
        bits |= eight;
    }
    for (; at < text.size(); ++at) bits |= static_cast<unsigned char>(text[at]);
    return (bits & kHighBitOfEachByte) == 0;
}

}  // namespace

bool EveryByteIsACluster(std::string_view text) {
    static const std::string joiners = AsciiJoiners();
    if (!IsAscii(text)) return false;
    for (const char joiner : joiners) {
        if (std::memchr(text.data(), joiner, text.size()) != nullptr) return false;
    }
    return true;
}

void FindClusterStarts(std::string_view text, std::vector<std::uint32_t>& starts) {
    starts.clear();
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
    const auto size = static_cast<utf8proc_ssize_t>(text.size());
    utf8proc_int32_t previous = -1, state = 0;
    for (utf8proc_ssize_t at = 0; at < size;) {
        utf8proc_int32_t c = 0;
        const utf8proc_ssize_t length = utf8proc_iterate(bytes + at, size - at, &c);
        if (length <= 0) break;  // not for well-formed text; the rest is one cluster
        if (previous < 0 || utf8proc_grapheme_break_stateful(previous, c, &state)) {
            starts.push_back(static_cast<std::uint32_t>(at));
        }
        previous = c;
        at += length;
    }
    starts.push_back(static_cast<std::uint32_t>(text.size()));
}

}  // namespace hueloom::cli
