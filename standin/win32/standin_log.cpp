// The Win32 stand-in's log file and the spelling of its entries.
#include "standin/win32/standin_log.h"

#include <array>

namespace hueloom {

StandinLog::StandinLog(const char* path) : file_(std::fopen(path, "wb")) {}

StandinLog::~StandinLog() {
    if (file_ != nullptr) std::fclose(file_);
}

void StandinLog::Write(std::string_view line) {
    if (file_ == nullptr) return;
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

std::string HexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : bytes) {
        if (!hex.empty()) hex += ' ';
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

std::string MessageName(std::uint32_t message) {
    switch (message) {
        case 0x000C:
            return "WM_SETTEXT";
        case 0x0100:
            return "WM_KEYDOWN";
        case 0x0101:
            return "WM_KEYUP";
        case 0x0102:
            return "WM_CHAR";
        case 0x0201:
            return "WM_LBUTTONDOWN";
        case 0x0202:
            return "WM_LBUTTONUP";
        default:
            break;
    }
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "0x%04X", static_cast<unsigned>(message));
    return text.data();
}

}  // namespace hueloom
