// The ANSI code page where the host has none of its own: Windows-1252.
#include "host/ansi_code_page.h"
#include "host/windows_1252.h"

namespace hueloom {

std::string ToAnsiCodePage(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char16_t unit : text) result.push_back(ToWindows1252(unit));
    return result;
}

}  // namespace hueloom
