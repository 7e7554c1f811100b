// Form1's announcements of its start and close in the chat.
#pragma once

#include <string>
#include <string_view>

namespace hueloom {

inline constexpr std::u16string_view kLoadedAnnouncement = u"Hueloom Loaded";
inline constexpr std::u16string_view kUnloadAnnouncement = u"Hueloom Unload";

// The text faded wavy over black, red and dark red.
std::u16string Announcement(std::u16string_view text);

}  // namespace hueloom
