// The Win32 stand-in chat client's log: one line per message received or line posted.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace hueloom {

// Appends lines to a file and flushes each, so a reader sees them at once.
class StandinLog {
  public:
    explicit StandinLog(const char* path);
    ~StandinLog();
    StandinLog(const StandinLog&) = delete;
    StandinLog& operator=(const StandinLog&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    void Write(std::string_view line);

  private:
    std::FILE* file_;
};

// "e9 80", the bytes in lower-case hexadecimal, separated by spaces.
std::string HexBytes(std::string_view bytes);
// "WM_SETTEXT" for the messages the chat link sends, else "0x0100" style.
std::string MessageName(std::uint32_t message);

}  // namespace hueloom
