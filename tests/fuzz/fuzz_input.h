// Reading a fuzzer's bytes from the front: small numbers first, then text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace hueloom::fuzz {

// Seeds stay readable: a few leading bytes pick options, the rest is the text.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }

    // The next byte, 0 once the input has run out.
    std::uint8_t Byte() { return empty() ? 0 : data_[at_++]; }

    // The next count bytes, little-endian.
    std::uint64_t Bytes(int count) {
        std::uint64_t value = 0;
        for (int k = 0; k < count; ++k) value |= std::uint64_t{Byte()} << (8 * k);
        return value;
    }

    // The rest as text, at most max_units code units. A byte is the code unit
    // of the same number, except that 0xFF takes the next two bytes as one
    // code unit, little-endian: so NUL, controls, Latin-1, lone surrogates and
    // any other unit can all be spelt.
    std::u16string Text(std::size_t max_units = SIZE_MAX) {
        std::u16string text;
        while (!empty() && text.size() < max_units) {
            const std::uint8_t byte = Byte();
            text.push_back(byte == 0xFF ? static_cast<char16_t>(Bytes(2)) : char16_t{byte});
        }
        return text;
    }

    // Text up to the next 0xFE byte (which is dropped), for inputs of several texts.
    std::u16string Field(std::size_t max_units = SIZE_MAX) {
        std::u16string text;
        while (!empty() && text.size() < max_units) {
            const std::uint8_t byte = Byte();
            if (byte == 0xFE) break;
            text.push_back(byte == 0xFF ? static_cast<char16_t>(Bytes(2)) : char16_t{byte});
        }
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Stops the run with a message; libFuzzer saves the input that did it.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void Check(bool holds, const char* what) {
    if (!holds) Fail(what);
}

}  // namespace hueloom::fuzz
