// Standard input cut into lines (LF or CRLF), read in large blocks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hueloom::cli {

class LineReader {
  public:
    enum class Status {
        kLine,     // a line, without its ending
        kTooLong,  // a line longer than maxLineBytes: its bytes are dropped, not kept
        kEnd,      // no more input
        kFailed,   // reading failed; errno tells why
    };

    // Lines past maxLineBytes are never held whole, so memory stays bounded
    // however long a line the input has.
    LineReader(int fd, std::size_t maxLineBytes);

    // The next line; it stays valid until the next call. A byte order mark
    // at the very start of the input is dropped.
    Status Next(std::string_view& line);

    // True when Next can answer without waiting for input.
    bool HasLineReady() const;

  private:
    bool ReadMore();
    std::string_view TakeLine(std::size_t end, std::size_t next);

    int fd_;
    std::size_t maxLineBytes_;
    std::string buffer_;
    std::size_t start_ = 0;    // the current line's first byte
    std::size_t scanned_ = 0;  // no LF stands in [start_, scanned_)
    std::size_t end_ = 0;      // bytes read up to here
    bool ended_ = false;
    bool dropping_ = false;  // inside a line too long to keep
    bool firstLine_ = true;
};

}  // namespace hueloom::cli
