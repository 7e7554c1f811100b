// A line ready to write: its text, where its clusters begin, and a colour for each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "fade/character_colours.h"

namespace hueloom::cli {

struct FadedLine {
    std::string_view text;                  // well-formed UTF-8
    std::span<const std::uint32_t> starts;  // each cluster's first byte, then text.size();
                                            // empty when every byte is a cluster
    std::span<const Rgb> colours;           // one per cluster
    bool wavy = false;                      // raise and lower the clusters in turn
};

// Calls out = write(out, colour, cluster) for each cluster in order, cluster
// being a char for a line whose bytes are all clusters, else a string_view,
// so the common line gets a loop of its own.
template <typename Write>
char* ForEachCluster(char* out, const FadedLine& line, Write&& write) {
    if (line.starts.empty()) {
        for (std::size_t k = 0; k < line.text.size(); ++k) {
            out = write(out, line.colours[k], line.text[k]);
        }
        return out;
    }
    for (std::size_t k = 0; k + 1 < line.starts.size(); ++k) {
        const std::string_view cluster =
            line.text.substr(line.starts[k], line.starts[k + 1] - line.starts[k]);
        out = write(out, line.colours[k], cluster);
    }
    return out;
}

}  // namespace hueloom::cli
