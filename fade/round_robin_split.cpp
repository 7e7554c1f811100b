// The round-robin split, yielding to the toolkit once per pass.
#include "fade/round_robin_split.h"

#include <algorithm>

#include "host/toolkit.h"

namespace hueloom {

void RoundRobinSplit(std::int16_t length, std::span<std::int16_t> lengths) {
    std::fill(lengths.begin(), lengths.end(), std::int16_t{0});
    if (lengths.empty()) return;
    const auto segments = static_cast<int>(lengths.size());
    int remaining = length;
    // Passes that cannot run out hand every segment one character each; the
    // handing out is summed up after them. Handlers run by DoEvents may fade
    // other lines: this call's state is all local.
    int full_passes = 0;
    while (remaining > segments) {
        DoEvents();
        ++full_passes;
        remaining -= segments;
    }
    std::fill(lengths.begin(), lengths.end(), static_cast<std::int16_t>(full_passes));
    // The last pass stops as soon as none remain; the empty line still hands out one.
    DoEvents();
    for (std::int16_t& segment : lengths) {
        ++segment;
        if (--remaining < 1) return;
    }
}

}  // namespace hueloom
