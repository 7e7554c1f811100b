// Text for the host's 8-bit ("ANSI") calls, in the system's ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace hueloom {

// On Windows the system's own conversion; elsewhere Windows-1252, with '?'
// for every code unit the code page cannot represent.
std::string ToAnsiCodePage(std::u16string_view text);

}  // namespace hueloom
