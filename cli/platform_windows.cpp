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

// The console's own settings, given back at the end.
struct ConsoleSettings {
    UINT inputCodePage = 0;  // 0: no console to set
    UINT outputCodePage = 0;
    DWORD outputMode = 0;
    bool outputIsConsole = false;
};
ConsoleSettings saved;

void RestoreConsole() {
    if (saved.inputCodePage != 0) SetConsoleCP(saved.inputCodePage);
    if (saved.outputCodePage != 0) SetConsoleOutputCP(saved.outputCodePage);
    if (saved.outputIsConsole) SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), saved.outputMode);
}

}  // namespace

void SetUpStandardStreams() {
    // Bytes as they are: no CR added before LF, no ^Z taken for the end.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    saved.inputCodePage = GetConsoleCP();
    saved.outputCodePage = GetConsoleOutputCP();
    SetConsoleCP(CP_UTF8);
    SetConsoleOutputCP(CP_UTF8);
    // The terminal format's escapes are drawn only with virtual terminal
    // processing on, so it is on before anything is written.
    saved.outputIsConsole = GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &saved.outputMode) != 0;
    if (saved.outputIsConsole) {
        SetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE),
                       saved.outputMode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
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
