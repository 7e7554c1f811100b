// A stand-in chat client for Windows: the chat client's window tree, answering
// the chat link as the client does and logging what reaches it.
#include "standin/win32/chat_standin.h"

#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chatlink/chat_client_tree.h"
#include "standin/win32/standin_log.h"

namespace hueloom {
namespace {

// Registered in capitals: the chat link looks them up in lower case.
std::string Capitals(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return upper;
}

const std::string kFrameName = Capitals(kChatFrameClass);
const std::string kRoomName = Capitals(kChatRoomClass);
const std::string kInputName = Capitals(kChatInputClass);
const std::string kIconName = Capitals(kChatIconClass);
const std::string kOtherName = Capitals(kChatOtherClass);
const char* const kFrameClass = kFrameName.c_str();
const char* const kAreaClass = kChatAreaClass;  // the system's own multi-document area
const char* const kRoomClass = kRoomName.c_str();
const char* const kInputClass = kInputName.c_str();
const char* const kIconClass = kIconName.c_str();
const char* const kOtherClass = kOtherName.c_str();

constexpr UINT kOpenRoomMessage = WM_APP + 1;

struct WindowState {
    std::string role;      // "frame", "room1", "room1.input", "room1.icon6", ...
    std::string text;      // an input box's content
    HWND input = nullptr;  // a room's input box
};

struct Client {
    std::unique_ptr<StandinLog> log;
    DWORD postDelayMs = 0;  // a busy room or a slow machine
    HINSTANCE instance = nullptr;
    HWND frame = nullptr;
    HWND area = nullptr;
    int rooms = 0;
    std::vector<std::unique_ptr<WindowState>> states;
};

Client client;

WindowState* NewState(std::string role) {
    client.states.push_back(std::make_unique<WindowState>());
    client.states.back()->role = std::move(role);
    return client.states.back().get();
}

WindowState* StateOf(HWND window) {
    return reinterpret_cast<WindowState*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::string RoleOf(HWND window) {
    const WindowState* state = StateOf(window);
    return state != nullptr ? state->role : "unknown";
}

// The window's state rides in on its creation parameters (for a room, inside
// the multi-document creation record).
void AttachState(HWND window, LPARAM lParam, bool multiDocumentChild) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    LPARAM state = reinterpret_cast<LPARAM>(create->lpCreateParams);
    if (multiDocumentChild && create->lpCreateParams != nullptr) {
        state = reinterpret_cast<const MDICREATESTRUCTA*>(create->lpCreateParams)->lParam;
    }
    ::SetWindowLongPtrA(window, GWLP_USERDATA, state);
}

bool IsClass(HWND window, const char* className) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return ::lstrcmpiA(name, className) == 0;
}

// Keyboard and mouse-button messages and WM_SETTEXT: what another program may
// send to make the client act. Moves and painting are the client's own affair.
bool IsLoggedMessage(UINT message) {
    return message == WM_SETTEXT || (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_LBUTTONDOWN && message <= WM_MOUSELAST);
}

void LogMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsLoggedMessage(message)) return;
    std::string line = "message " + RoleOf(window) + ' ' + MessageName(message) +
                       " wParam=" + std::to_string(wParam);
    if (message == WM_SETTEXT && lParam != 0) {
        line += " text=[" + HexBytes(reinterpret_cast<const char*>(lParam)) + ']';
    } else {
        line += " lParam=" + std::to_string(lParam);
    }
    client.log->Write(line);
}

// The roles of a window's children with the given class, in the system's child order.
std::string ChildRoles(HWND parent, const char* className) {
    std::string roles;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (className != nullptr && !IsClass(child, className)) continue;
        if (!roles.empty()) roles += ' ';
        roles += RoleOf(child);
    }
    return roles;
}

void SetShownText(HWND window, const char* text) {
    // Straight to the default handling, so the client's own change is not a received message.
    ::DefWindowProcA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void PostInput(HWND room) {
    WindowState* roomState = StateOf(room);
    if (roomState == nullptr || roomState->input == nullptr) return;
    WindowState* input = StateOf(roomState->input);
    if (input->text.empty()) return;
    const std::string line = std::exchange(input->text, std::string());
    if (client.postDelayMs > 0) ::Sleep(client.postDelayMs);
    SetShownText(roomState->input, "");
    client.log->Write("posted " + roomState->role + " [" + HexBytes(line) + ']');
}

// Decided at the press, from the order the system lists the room's children in now.
bool IsSendIcon(HWND icon) {
    int position = 0;
    for (HWND child = ::GetWindow(::GetParent(icon), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!IsClass(child, kIconClass)) continue;
        if (++position == kChatSendIconPosition) return child == icon;
    }
    return false;
}

LRESULT CALLBACK InputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LogMessage(window, message, wParam, lParam);
    WindowState* state = StateOf(window);
    switch (message) {
        case WM_NCCREATE:
            AttachState(window, lParam, false);
            break;
        case WM_SETTEXT:
            if (state != nullptr) {
                state->text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
            }
            break;
        case WM_CHAR:
            if (state == nullptr) return 0;
            if (wParam == '\r') {
                PostInput(::GetParent(window));
            } else if (wParam == '\b') {
                if (!state->text.empty()) state->text.pop_back();
                SetShownText(window, state->text.c_str());
            } else if (wParam >= 0x20 && wParam <= 0xFF && wParam != 0x7F) {
                state->text += static_cast<char>(wParam);
                SetShownText(window, state->text.c_str());
            }
            return 0;
        default:
            break;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK IconProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LogMessage(window, message, wParam, lParam);
    if (message == WM_NCCREATE) AttachState(window, lParam, false);
    if (message == WM_LBUTTONDOWN) {
        if (IsSendIcon(window)) PostInput(::GetParent(window));
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LogMessage(window, message, wParam, lParam);
    if (message == WM_NCCREATE) AttachState(window, lParam, false);
    return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateChild(HWND parent, const char* className, std::string role, int index) {
    const int x = 8 + 44 * (index % 10);
    const int y = 8 + 28 * (index / 10);
    return ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | WS_BORDER, x, y, 40, 24,
                             parent, nullptr, client.instance, NewState(std::move(role)));
}

// The room's children, made in the system's child order; each is named for its
// part in the log.
void CreateRoomControls(HWND room) {
    WindowState* state = StateOf(room);
    const std::string& name = state->role;
    int index = 0;
    for (const ChatRoomChild& child : kChatRoomChildren) {
        switch (child.kind) {
            case ChatRoomChildKind::kInput:
                state->input = CreateChild(room, kInputClass, name + ".input", index++);
                break;
            case ChatRoomChildKind::kIcon:
                CreateChild(room, kIconClass, name + ".icon" + std::to_string(child.icon), index++);
                break;
            case ChatRoomChildKind::kOther:
                CreateChild(room, kOtherClass, name + ".static", index++);
                break;
            case ChatRoomChildKind::kHistory:
                CreateChild(room, kInputClass, name + ".history", index++);
                break;
        }
    }
}

LRESULT CALLBACK RoomProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LogMessage(window, message, wParam, lParam);
    if (message == WM_NCCREATE) AttachState(window, lParam, true);
    if (message == WM_CREATE) CreateRoomControls(window);
    return ::DefMDIChildProcA(window, message, wParam, lParam);
}

HWND OpenRoom() {
    const std::string name = "room" + std::to_string(++client.rooms);
    const std::string title = "Chat room " + std::to_string(client.rooms);
    MDICREATESTRUCTA create{};
    create.szClass = kRoomClass;
    create.szTitle = title.c_str();
    create.hOwner = client.instance;
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.lParam = reinterpret_cast<LPARAM>(NewState(name));
    const auto room = reinterpret_cast<HWND>(
        ::SendMessageA(client.area, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    client.log->Write("opened " + name + " children: " + ChildRoles(room, nullptr));
    client.log->Write("rooms front to back: " + ChildRoles(client.area, kRoomClass));
    return room;
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LogMessage(window, message, wParam, lParam);
    switch (message) {
        case WM_NCCREATE:
            AttachState(window, lParam, false);
            break;
        case WM_CREATE: {
            CLIENTCREATESTRUCT area{nullptr, 1000};
            client.area = ::CreateWindowExA(WS_EX_CLIENTEDGE, kAreaClass, nullptr,
                                            WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0,
                                            window, nullptr, client.instance, &area);
            return client.area != nullptr ? 0 : -1;
        }
        case kOpenRoomMessage:
            return reinterpret_cast<LRESULT>(OpenRoom());
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefFrameProcA(window, client.area, message, wParam, lParam);
}

bool RegisterClasses() {
    struct ClassEntry {
        const char* name;
        WNDPROC proc;
    };
    const ClassEntry entries[] = {{kFrameClass, FrameProc},
                                  {kRoomClass, RoomProc},
                                  {kInputClass, InputProc},
                                  {kIconClass, IconProc},
                                  {kOtherClass, StaticProc}};
    for (const ClassEntry& entry : entries) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = entry.proc;
        windowClass.hInstance = client.instance;
        windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = entry.name;
        if (::RegisterClassA(&windowClass) == 0) return false;
    }
    return true;
}

}  // namespace

int RunChatStandin(const char* logPath, unsigned long postDelayMs) {
    client.postDelayMs = postDelayMs;
    client.log = std::make_unique<StandinLog>(logPath);
    if (!client.log->isOpen()) {
        std::fprintf(stderr, "chat stand-in: cannot write the log %s\n", logPath);
        return 1;
    }
    client.instance = ::GetModuleHandleA(nullptr);
    if (!RegisterClasses()) {
        std::fprintf(stderr, "chat stand-in: cannot register the window classes\n");
        return 1;
    }
    client.frame =
        ::CreateWindowExA(0, kFrameClass, "Chat stand-in", WS_OVERLAPPEDWINDOW, 40, 40, 760, 520,
                          nullptr, nullptr, client.instance, NewState("frame"));
    if (client.frame == nullptr) {
        std::fprintf(stderr, "chat stand-in: cannot create the main window\n");
        return 1;
    }
    ::ShowWindow(client.frame, SW_SHOWNORMAL);
    OpenRoom();
    client.log->Write("ready");
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (::TranslateMDISysAccel(client.area, &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    client.log->Write("closed");
    return 0;
}

// Asks the running stand-in to do something and waits until it has.
int AskChatStandin(ChatStandinRequest request) {
    const bool quit = request == ChatStandinRequest::kQuit;
    const HWND frame = ::FindWindowA(kFrameClass, nullptr);
    if (frame == nullptr) {
        std::fprintf(stderr, "chat stand-in: none is running to %s\n",
                     quit ? "quit" : "open a room");
        return 1;
    }
    ::SendMessageA(frame, quit ? WM_CLOSE : kOpenRoomMessage, 0, 0);
    return 0;
}

}  // namespace hueloom
