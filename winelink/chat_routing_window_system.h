// The Linux program's window system: its own window and the stand-in chat
// room at home, and the chat client elsewhere (under Wine). The form's calls
// (topmost band, region) stay at home; each line the chat link sends goes to
// the chat client elsewhere when one runs there, and home otherwise; with no
// stand-in at home, a line with no chat client to go to is refused unsent.
#pragma once

#include <unordered_map>
#include <vector>

#include "host/window_system.h"

namespace hueloom {

// Where a chat client may run besides home.
class ChatElsewhere {
  public:
    virtual ~ChatElsewhere() = default;
    // Whether the chat client runs there now. Raises an Error when that
    // cannot be found out, and the line then goes nowhere.
    virtual bool ChatClientRunning() = 0;
    virtual WindowSystem& Windows() = 0;
};

// Whether home holds a chat client (the stand-in room) for lines to go to.
enum class ChatAtHome { kStandin, kNone };

// The error of a line with nowhere to go: nothing of it was sent.
inline constexpr int kChatNotRunningErrorNumber = 1004;

class ChatRoutingWindowSystem final : public WindowSystem {
  public:
    ChatRoutingWindowSystem(WindowSystem& home, ChatElsewhere& elsewhere,
                            ChatAtHome atHome = ChatAtHome::kStandin)
        : home_(home), elsewhere_(elsewhere), atHome_(atHome) {}

    // Elsewhere where the chat client runs there now, else home; with no
    // stand-in at home, the error kChatNotRunningErrorNumber.
    void ChooseRouteForLine() override;
    void EndOfLine() noexcept override;
    // By the code page of the side the line goes to.
    std::string ToAnsiCodePage(std::u16string_view text) override;

    // A call goes to the side of the first window it names (the parent, else
    // the window to continue after); one that names none goes the line's way.
    Hwnd FindWindowA(const char* className, const char* windowName) override;
    Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                       const char* windowName) override;
    std::intptr_t SendMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;

    bool SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int cx, int cy,
                      std::uint32_t flags) override;
    Hrgn CreatePolygonRgn(const Point* points, int count, int fillMode) override;
    Hrgn CreateRectRgn(int left, int top, int right, int bottom) override;
    int CombineRgn(Hrgn destination, Hrgn source1, Hrgn source2, int mode) override;
    int SetWindowRgn(Hwnd window, Hrgn region, bool redraw) override;
    bool DeleteObject(Hrgn region) override;

    // Handles of windows elsewhere carry this bit, numbered in the order they
    // were first seen, so that they never meet a handle of home.
    static constexpr Hwnd kElsewhereBit = 0x80000000u;

  private:
    bool IsElsewhere(Hwnd window) const;
    Hwnd FromElsewhere(Hwnd window);
    Hwnd ToElsewhere(Hwnd window) const;
    Hwnd ToHome(Hwnd window) const;
    bool GoesElsewhere(Hwnd first, Hwnd second = 0) const;

    WindowSystem& home_;
    ChatElsewhere& elsewhere_;
    ChatAtHome atHome_;
    struct Line {
        bool goesElsewhere = false;
        bool reached = false;  // a message of it reached the chat elsewhere
    };
    Line CurrentLine() const { return lines_.empty() ? Line{} : lines_.back(); }

    std::vector<Line> lines_;             // the line being sent, above any it interrupted
    std::vector<Hwnd> elsewhereWindows_;  // by number
    std::unordered_map<Hwnd, Hwnd> elsewhereNumbers_;
};

}  // namespace hueloom
