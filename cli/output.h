// Standard output gathered in one buffer and written in large blocks.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace hueloom::cli {

class Output {
  public:
    explicit Output(int fd) : fd_(fd) {}

    // Room for at least count more bytes: write there, then Commit where
    // the writing ended. Nothing is zero-filled first.
    char* Reserve(std::size_t count);
    void Commit(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }

    void Append(std::string_view bytes);
    std::size_t size() const { return size_; }
    std::string_view Gathered() const { return {data_.get(), size_}; }

    // Writes what is gathered; false when the write failed (errno tells).
    bool Flush();

  private:
    int fd_;
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace hueloom::cli
