// Bytes of the Windows-1252 code page back to UTF-16 text.
#pragma once

#include <string>
#include <string_view>

namespace hueloom {

// One code unit per byte. The five bytes the code page leaves undefined map to
// the code points of the same number, as the host's own conversion maps them.
std::u16string FromWindows1252(std::string_view bytes);

}  // namespace hueloom
