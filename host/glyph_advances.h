// One font's advances, each character measured once: a keystroke redraws the
// preview a character at a time, and the system's measure is slow.
#pragma once

#include <array>
#include <cstddef>
#include <unordered_map>

namespace hueloom {

// A surface keeps the tables of at most this many fonts, and drops them all
// when one more comes: markup that cycles through many faces must not grow
// them without end.
inline constexpr std::size_t kMaxKeptFonts = 16;

class GlyphAdvances {
  public:
    GlyphAdvances() { ascii_.fill(-1); }

    // measure(character) gives the advance of a character not measured yet.
    template <typename Measure>
    double Advance(char16_t character, Measure&& measure) {
        if (character < ascii_.size()) {
            double& width = ascii_[character];
            if (width < 0) width = measure(character);
            return width;
        }
        auto [entry, added] = others_.try_emplace(character, 0.0);
        if (added) entry->second = measure(character);
        return entry->second;
    }

  private:
    std::array<double, 128> ascii_;  // negative: not measured yet
    std::unordered_map<char16_t, double> others_;
};

}  // namespace hueloom
