// hueloom_chat_standin.exe, the Win32 stand-in chat client the Windows tests type into.
//
//   hueloom_chat_standin LOG [MS]   runs the client, logging to the file LOG;
//                                   with MS, it takes that long over each post
//   hueloom_chat_standin --open-room | --quit   asks the running one to do so
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "standin/win32/chat_standin.h"

int main(int argc, char** argv) {
    using hueloom::AskChatStandin, hueloom::ChatStandinRequest;
    if (argc == 2 && std::strcmp(argv[1], "--open-room") == 0) {
        return AskChatStandin(ChatStandinRequest::kOpenRoom);
    }
    if (argc == 2 && std::strcmp(argv[1], "--quit") == 0) {
        return AskChatStandin(ChatStandinRequest::kQuit);
    }
    if ((argc == 2 || argc == 3) && argv[1][0] != '-') {
        const unsigned long postDelayMs = argc == 3 ? std::strtoul(argv[2], nullptr, 10) : 0;
        return hueloom::RunChatStandin(argv[1], postDelayMs);
    }
    std::fprintf(stderr, "usage: hueloom_chat_standin LOG [MS] | --open-room | --quit\n");
    return 2;
}
