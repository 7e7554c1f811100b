// A stand-in for the chat client, for machines where the real one cannot run:
// a chat room window that takes the chat link's messages through the
// in-process window system and shows every line it is made to post.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "inprocess/in_process_window_system.h"
#include "standin/standin_chat_room.h"

class QLineEdit;
class QScrollArea;
class QToolButton;

namespace hueloom {

class TranscriptView;

class StandinChatClient : public QWidget {
    Q_OBJECT

  public:
    // Registers the chat client's windows in the window system, which must
    // outlive this window; they are removed again when it is destroyed.
    explicit StandinChatClient(InProcessWindowSystem& windowSystem, QWidget* parent = nullptr);
    ~StandinChatClient() override;

    // The lines posted so far, oldest first, as the markup that arrived.
    std::vector<std::u16string> Transcript() const;
    StandinChatRoom& chatRoom() { return *room_; }

    QScrollArea* transcriptArea = nullptr;
    TranscriptView* transcript = nullptr;
    QLineEdit* inputBox = nullptr;                        // shows the "richcntl" window's text
    std::array<QToolButton*, kStandinIconCount> icons{};  // in the window system's order

  private:
    void ShowInput();
    void AppendPostedLine(const std::u16string& line);
    void KeepNewestLineInView(int minimum, int maximum);

    std::unique_ptr<StandinChatRoom> room_;
    bool followNewest_ = true;
};

}  // namespace hueloom
