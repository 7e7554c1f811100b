// What differs between the systems the fader runs on: streams, console, arguments.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace hueloom::cli {

inline constexpr int kStandardInput = 0;
inline constexpr int kStandardOutput = 1;

// Sets standard input and output up to carry bytes as they are; on Windows a
// console shows UTF-8 and escape sequences until the program ends, when it
// gets its own settings back. Elsewhere there is nothing to set up.
void SetUpStandardStreams();

// The command line in UTF-8 (on Windows read as UTF-16 from the system, since
// main's arguments there are in the ANSI code page).
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Reads what is there, up to size bytes, waiting only when nothing is: the
// count read, 0 at the end, -1 on an error (errno tells).
long ReadSome(int fd, char* data, std::size_t size);

// Writes all of it; false on an error (errno tells).
bool WriteAll(int fd, const char* data, std::size_t size);

}  // namespace hueloom::cli
