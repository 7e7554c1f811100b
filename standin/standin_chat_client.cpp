// The stand-in chat room window: caption, transcript, the icons and the input box.
#include "standin/standin_chat_client.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "standin/chat_line_picture.h"
#include "standin/transcript_view.h"

namespace hueloom {
namespace {

QString ToQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string ToU16String(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

QLabel* MakeCaption(QWidget* parent) {
    auto* caption = new QLabel(parent);
    caption->setWordWrap(true);
    caption->setTextFormat(Qt::RichText);
    caption->setText(QStringLiteral(
        "<b>Stand-in chat room</b><br><span style=\"color:#5a5a5a\">This window stands in "
        "for the chat client, which cannot run on this machine. Hueloom types each line "
        "into the input box below and presses Send; the chat shows what it receives.</span>"));
    return caption;
}

QToolButton* MakeIcon(int position, QWidget* parent) {
    auto* icon = new QToolButton(parent);
    if (position == kStandinSendIcon) {
        icon->setText(QStringLiteral("Send"));
        icon->setToolTip(
            QStringLiteral("Posts the input box's text (the chat window's "
                           "sixth icon)"));
    } else {
        icon->setText(QString::number(position));
        icon->setAutoRaise(true);
        icon->setToolTip(
            QStringLiteral("Icon %1 of the chat window; it does nothing here").arg(position));
    }
    return icon;
}

}  // namespace

StandinChatClient::StandinChatClient(InProcessWindowSystem& windowSystem, QWidget* parent)
    : QWidget(parent) {
    setWindowTitle(QStringLiteral("Stand-in chat room"));
    // It stays open after the main window has closed, so that its closing
    // announcement can be read; the program ends once it is closed too.
    setMinimumSize(360, 240);
    resize(580, 320);
    // Below the main window, whose client area stands at (190, 155) and is 217 high.
    if (isWindow()) move(190, 410);

    transcript = new TranscriptView;
    transcript->setAccessibleName(QStringLiteral("Chat transcript"));
    transcript->setAccessibleDescription(QStringLiteral("Every line the chat has shown, oldest first"));
    transcriptArea = new QScrollArea(this);
    transcriptArea->setWidget(transcript);
    transcriptArea->setWidgetResizable(true);
    transcriptArea->setBackgroundRole(QPalette::Base);
    // The transcript takes the focus, so a screen reader lands on its text.
    transcriptArea->setFocusPolicy(Qt::NoFocus);
    transcriptArea->setAccessibleName(QStringLiteral("Chat transcript pane"));
    // A line's height to spare, so that the caret on the last line scrolls to
    // the bottom, where new lines are followed again.
    connect(transcript, &TranscriptView::caretMoved, this, [this](const QRect& character) {
        transcriptArea->ensureVisible(character.center().x(), character.center().y(), 8,
                                      2 * std::max(character.height(), 8));
    });
    QScrollBar* vertical = transcriptArea->verticalScrollBar();
    connect(vertical, &QScrollBar::valueChanged, this,
            [this, vertical](int value) { followNewest_ = value == vertical->maximum(); });
    connect(vertical, &QScrollBar::rangeChanged, this, &StandinChatClient::KeepNewestLineInView);

    auto* iconRow = new QHBoxLayout;
    iconRow->setSpacing(2);
    for (int position = 1; position <= kStandinIconCount; ++position) {
        QToolButton* icon = MakeIcon(position, this);
        icons[static_cast<std::size_t>(position - 1)] = icon;
        iconRow->addWidget(icon);
        connect(icon, &QToolButton::clicked, this, [this, position] {
            room_->PressIcon(room_->icons()[static_cast<std::size_t>(position - 1)]);
        });
    }
    iconRow->addStretch();

    inputBox = new QLineEdit(this);
    inputBox->setPlaceholderText(QStringLiteral("Input box: type here, or let Hueloom send"));
    inputBox->setAccessibleName(QStringLiteral("Input box"));
    connect(inputBox, &QLineEdit::textEdited, this,
            [this](const QString& text) { room_->SetInput(ToU16String(text)); });
    connect(inputBox, &QLineEdit::returnPressed, this, [this] { room_->PostInput(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeCaption(this));
    layout->addWidget(transcriptArea, 1);
    layout->addLayout(iconRow);
    layout->addWidget(inputBox);

    room_ = std::make_unique<StandinChatRoom>(
        windowSystem,
        StandinChatRoom::Events{[this] { ShowInput(); },
                                [this](const std::u16string& line) { AppendPostedLine(line); }});
}

StandinChatClient::~StandinChatClient() {
    // The windows go before the widgets their messages reach.
    room_.reset();
}

std::vector<std::u16string> StandinChatClient::Transcript() const { return transcript->Lines(); }

void StandinChatClient::ShowInput() {
    const QString text = ToQString(room_->input());
    if (inputBox->text() != text) inputBox->setText(text);
}

void StandinChatClient::AppendPostedLine(const std::u16string& line) {
    transcript->AppendLine(line);
}

void StandinChatClient::KeepNewestLineInView(int, int maximum) {
    if (followNewest_) transcriptArea->verticalScrollBar()->setValue(maximum);
}

}  // namespace hueloom
