// hueloom_chat_standin.exe, the Win32 stand-in chat client the Windows tests type into.
//
//   hueloom_chat_standin LOG    runs the client, logging to the file LOG
//   hueloom_chat_standin --open-room | --quit   asks the running one to do so
#include <cstdio>
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
    if (argc == 2 && argv[1][0] != '-') return hueloom::RunChatStandin(argv[1]);
    std::fprintf(stderr, "usage: hueloom_chat_standin LOG | --open-room | --quit\n");
    return 2;
}
