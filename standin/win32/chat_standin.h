// The Win32 stand-in chat client, for the Windows tests: the chat client's
// window tree, logging every message the chat link sends it.
#pragma once

namespace hueloom {

// Runs the client until it is asked to quit, logging to the file; its exit
// status. A delay over each post plays a busy room or a slow machine.
int RunChatStandin(const char* logPath, unsigned long postDelayMs = 0);

enum class ChatStandinRequest { kOpenRoom, kQuit };
// Asks the running client to open a later room in front, or to quit, and waits
// until it has; 1 when none is running.
int AskChatStandin(ChatStandinRequest request);

}  // namespace hueloom
