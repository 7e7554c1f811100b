// The formats that put a colour tag before each cluster: chat markup, HTML, Matrix, BBCode,
// MiniMessage.
#pragma once

#include "cli/faded_line.h"

namespace hueloom::cli {

// Each writes the line and a line ending at out, which has room for
// MostBytesOfLine(line), and returns the end.

// "<Font Color=#RRGGBB>", the wave tag when wavy, the cluster: the window's markup.
char* WriteMarkup(char* out, const FadedLine& line);

// <span style="color:#RRGGBB"> + the cluster with & < > " escaped + </span>;
// when wavy the raised and lowered clusters inside <sup> and <sub>.
char* WriteHtml(char* out, const FadedLine& line);

// The same with <font data-mx-color="#RRGGBB"> and </font>: a Matrix message's HTML.
char* WriteMatrix(char* out, const FadedLine& line);

// [color=#RRGGBB] + the cluster + [/color].
char* WriteBbcode(char* out, const FadedLine& line);

// <#rrggbb> + the cluster with \ and < escaped by a backslash.
char* WriteMiniMessage(char* out, const FadedLine& line);

}  // namespace hueloom::cli
