// The fader's streams, console and arguments on Windows.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "cli/platform.h"
#include "cli/utf8.h"

namespace hueloom::cli {
namespace {

constexpr unsigned int kChunk = INT_MAX / 2;  // _read and _write count in int

// The console's own settings, given back at the end (0: no console to set).
UINT saved_input_code_page = 0, saved_output_code_page = 0;
DWORD saved_output_mode = 0;
bool output_is_console = false;

void RestoreConsole() {
    if (saved_input_code_page != 0) SetConsoleCP(saved_input_code_page);
    if (saved_output_code_page != 0) SetConsoleOutputCP(saved_output_code_page);
    if (output_is_console) SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), saved_output_mode);
}

}  // namespace

void SetUpStandardStreams() {
    // Bytes as they are: no CR added before LF, no ^Z taken for the end.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    saved_input_code_page = GetConsoleCP();
    saved_output_code_page = GetConsoleOutputCP();
    SetConsoleCP(CP_UTF8);
    SetConsoleOutputCP(CP_UTF8);
    output_is_console = GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &saved_output_mode) != 0;
    if (output_is_console) {
        SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE),
                       saved_output_mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
    }
    std::atexit(RestoreConsole);
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> arguments;
    for (int k = 0; k < count; ++k) {
        std::string argument;
        AppendUtf8(reinterpret_cast<const char16_t*>(wide[k]), argument);
        arguments.push_back(std::move(argument));
    }
    LocalFree(wide);
    return arguments;
}

long ReadSome(int fd, char* data, std::size_t size) {
    return _read(fd, data, static_cast<unsigned int>(size < kChunk ? size : kChunk));
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const int count =
            _write(fd, data, static_cast<unsigned int>(size < kChunk ? size : kChunk));
        if (count <= 0) return false;
        data += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

}  // namespace hueloom::cli
