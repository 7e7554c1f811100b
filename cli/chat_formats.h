// The formats of chats that read codes inside the text: IRC, Minecraft, and /tellraw's JSON.
#pragma once

#include "cli/cluster_fade.h"
#include "cli/faded_line.h"

namespace hueloom::cli {

// Each writes the line and a line ending at out, which has room for
// MostBytesOfLine(line), and returns the end. No character of the text is
// left where the chat would read it as a code: in IRC and Minecraft control
// characters are shown as their pictures (U+2400...; IRC keeps the tab) and
// C1 controls as U+FFFD; in every Minecraft form a "§" becomes U+FFFD.

// 0x03 and the two digits of the nearest of IRC's 99 colours (found in
// space) before each cluster; 0x0F at the end of a line that has any.
char* WriteIrc(char* out, const FadedLine& line, ColourSpace space);

// 0x04 and RRGGBB before each cluster; 0x0F at the end of a line that has any.
char* WriteIrcHex(char* out, const FadedLine& line);

// "§x§R§R§G§G§B§B" before each cluster.
char* WriteMinecraft(char* out, const FadedLine& line);

// "&x&R&R&G&G&B&B" before each cluster, as chat plugins take it.
char* WriteMinecraftAmp(char* out, const FadedLine& line);

// One JSON array, {"text":"H","color":"#RRGGBB"} a cluster; [""] for no text.
char* WriteTellraw(char* out, const FadedLine& line);

}  // namespace hueloom::cli
