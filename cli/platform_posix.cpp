// The fader's streams and arguments on POSIX systems.
#include <unistd.h>

#include <cerrno>

#include "cli/platform.h"

namespace hueloom::cli {

void SetUpStandardStreams() {}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

long ReadSome(int fd, char* data, std::size_t size) {
    for (;;) {
        const ssize_t count = read(fd, data, size);
        if (count >= 0 || errno != EINTR) return static_cast<long>(count);
    }
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t count = write(fd, data, size);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        data += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

}  // namespace hueloom::cli
