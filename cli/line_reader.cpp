// Standard input cut into lines (LF or CRLF), read in large blocks.
#include "cli/line_reader.h"

#include <cstring>

#include "cli/platform.h"

namespace hueloom::cli {
namespace {

constexpr std::size_t kReadBlock = 64 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

LineReader::LineReader(int fd, std::size_t maxLineBytes) : fd_(fd), maxLineBytes_(maxLineBytes) {}

bool LineReader::HasLineReady() const {
    return ended_ || std::memchr(buffer_.data() + scanned_, '\n', end_ - scanned_) != nullptr;
}

LineReader::Status LineReader::Next(std::string_view& line) {
    for (;;) {
        const void* lf = std::memchr(buffer_.data() + scanned_, '\n', end_ - scanned_);
        if (lf != nullptr || (ended_ && start_ < end_)) {
            const std::size_t stop =
                lf != nullptr
                    ? static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.data())
                    : end_;
            line = TakeLine(stop, lf != nullptr ? stop + 1 : stop);
            if (dropping_ || line.size() > maxLineBytes_) {
                dropping_ = false;
                return Status::kTooLong;
            }
            return Status::kLine;
        }
        if (ended_) {
            if (!dropping_) return Status::kEnd;
            dropping_ = false;
            return Status::kTooLong;
        }
        if (end_ - start_ > maxLineBytes_ + 1) {  // one more for a CR before the LF
            dropping_ = true;                     // too long already: forget what there is of it
            start_ = scanned_ = end_;
        }
        if (!ReadMore()) return Status::kFailed;
    }
}

std::string_view LineReader::TakeLine(std::size_t end, std::size_t next) {
    std::string_view line(buffer_.data() + start_, end - start_);
    start_ = scanned_ = next;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (firstLine_ && line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    firstLine_ = false;
    return line;
}

// Moves the unfinished line to the front and reads a block after it.
bool LineReader::ReadMore() {
    const std::size_t kept = end_ - start_;
    if (start_ > 0) std::memmove(buffer_.data(), buffer_.data() + start_, kept);
    scanned_ = end_ = kept;
    start_ = 0;
    if (buffer_.size() < kept + kReadBlock) buffer_.resize(kept + kReadBlock);
    const long count = ReadSome(fd_, buffer_.data() + end_, kReadBlock);
    if (count < 0) return false;
    if (count == 0) ended_ = true;
    end_ += static_cast<std::size_t>(count);
    return true;
}

}  // namespace hueloom::cli
