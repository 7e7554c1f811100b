// The round-robin split: a line's length dealt out one character per segment in turn.
#pragma once

#include <cstdint>
#include <span>

namespace hueloom {

// Sets lengths[k] to the number of characters segment k gets out of length:
// one each in turn, earlier segments first, stopping as soon as none remain.
// Every pass begins with DoEvents(), so the toolkit runs ceil(length / segments)
// times (once for the empty line). No segments: nothing to split, no pass.
void RoundRobinSplit(std::int16_t length, std::span<std::int16_t> lengths);

}  // namespace hueloom
