// Errors the system raises, each with its number and its text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace hueloom {

class Error : public std::runtime_error {
  public:
    Error(int number, const std::string& text) : std::runtime_error(text), number_(number) {}
    int number() const { return number_; }

  private:
    int number_;
};

inline constexpr int kOverflowErrorNumber = 6;
// An error after part of a line may have reached the chat client: never to be
// told as a line not sent.
inline constexpr int kMayHaveReachedErrorNumber = 1003;

// A length or value that does not fit its 16-bit home.
inline Error OverflowError() { return Error(kOverflowErrorNumber, "Overflow"); }

// A value as a 16-bit signed integer; the overflow error where it does not fit.
inline std::int16_t Integer16(long long value) {
    if (value < INT16_MIN || value > INT16_MAX) throw OverflowError();
    return static_cast<std::int16_t>(value);
}

}  // namespace hueloom
