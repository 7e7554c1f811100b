// Telling the user, in the preview strip, why the preview or Send stopped.
#pragma once

#include <cstddef>
#include <string_view>

namespace hueloom {

class DrawingSurface;

// The line cannot be faded: how long it is and the longest that can be.
// With sending set it also says that nothing was sent.
void ShowLineTooLong(DrawingSurface& surface, std::size_t length, bool sending);

// Any other error that ended a handler; with sending set, Send.
void ShowStopped(DrawingSurface& surface, std::string_view what, bool sending);

// An error that ended Send after part of the line may have reached the chat:
// never "Not sent", lest the user send it twice.
void ShowPerhapsSent(DrawingSurface& surface, std::string_view what);

}  // namespace hueloom
