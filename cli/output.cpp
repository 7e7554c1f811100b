// Standard output gathered in one buffer and written in large blocks.
#include "cli/output.h"

#include <algorithm>
#include <cstring>

#include "cli/platform.h"

namespace hueloom::cli {

char* Output::Reserve(std::size_t count) {
    if (capacity_ - size_ < count) {
        const std::size_t capacity = std::max(2 * capacity_, size_ + count);
        std::unique_ptr<char[]> grown(new char[capacity]);
        if (size_ > 0) std::memcpy(grown.get(), data_.get(), size_);
        data_ = std::move(grown);
        capacity_ = capacity;
    }
    return data_.get() + size_;
}

void Output::Append(std::string_view bytes) {
    char* at = Reserve(bytes.size());
    if (!bytes.empty()) std::memcpy(at, bytes.data(), bytes.size());
    Commit(at + bytes.size());
}

bool Output::Flush() {
    const bool written = WriteAll(fd_, data_.get(), size_);
    size_ = 0;
    return written;
}

}  // namespace hueloom::cli
