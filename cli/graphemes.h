// Where the grapheme clusters of a line of UTF-8 begin: what a person sees as one character.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace hueloom::cli {

// True when every byte of text is a cluster of its own: ASCII with none of
// the few characters the segmentation rules join to a neighbour (CR and LF).
// Most lines are, and they need no segmentation at all.
bool EveryByteIsACluster(std::string_view text);

// Replaces starts with the offset of each extended grapheme cluster of text
// (well-formed UTF-8), in order, then text.size(). Unicode's rules, as the
// utf8proc library implements them.
void FindClusterStarts(std::string_view text, std::vector<std::uint32_t>& starts);

}  // namespace hueloom::cli
