// The stand-in chat client as the chat link drives it, and as a user sees it.
#include "standin/standin_chat_client.h"

#include <QAccessible>
#include <QImage>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "chatlink/chatlink.h"
#include "host/window_system.h"
#include "inprocess/in_process_window_system.h"
#include "standin/transcript_view.h"

Q_DECLARE_METATYPE(std::u16string)

namespace hueloom {

using Lines = std::vector<std::u16string>;

namespace {

QString ToQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Whether the colour is close to the wanted one: glyph edges are blended.
bool IsNear(QRgb pixel, QRgb wanted) {
    return std::abs(qRed(pixel) - qRed(wanted)) < 40 &&
           std::abs(qGreen(pixel) - qGreen(wanted)) < 40 &&
           std::abs(qBlue(pixel) - qBlue(wanted)) < 40;
}

// Columns of the picture that hold a pixel of the colour, leftmost and rightmost.
std::pair<int, int> ColumnsOf(const QImage& picture, QRgb wanted) {
    int left = -1, right = -1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!IsNear(picture.pixel(x, y), wanted)) continue;
            if (left < 0 || x < left) left = x;
            right = std::max(right, x);
        }
    }
    return {left, right};
}

}  // namespace
}  // namespace hueloom

// Failures print the lines compared.
template <>
char* QTest::toString(const hueloom::Lines& lines) {
    QStringList quoted;
    for (const std::u16string& line : lines) quoted << '"' + hueloom::ToQString(line) + '"';
    return qstrdup(('{' + quoted.join(QStringLiteral(", ")) + '}').toUtf8().constData());
}

namespace hueloom {

class StandinChatClientTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        windows_ = std::make_unique<InProcessWindowSystem>();
        installed_ = std::make_unique<ScopedWindowSystem>(*windows_);
        client_ = std::make_unique<StandinChatClient>(*windows_);
    }

    void cleanup() {
        client_.reset();
        installed_.reset();
        windows_.reset();
    }

    void registersTheChatClientsWindowTree() {
        const Hwnd frame = windows_->FindWindowA("aol frame25", nullptr);
        const Hwnd area = windows_->FindWindowExA(frame, 0, "mdiclient", nullptr);
        const Hwnd room = windows_->FindWindowExA(area, 0, "aol child", nullptr);
        QVERIFY(frame != 0 && area != 0 && room != 0);
        QCOMPARE(room, client_->chatRoom().room());
        QCOMPARE(windows_->FindWindowExA(room, 0, "richcntl", nullptr),
                 client_->chatRoom().inputBox());
        Hwnd icon = 0;
        for (std::size_t index = 0; index < kStandinIconCount; ++index) {
            icon = windows_->FindWindowExA(room, icon, "_aol_icon", nullptr);
            QCOMPARE(icon, client_->chatRoom().icons()[index]);
        }
        QCOMPARE(windows_->FindWindowExA(room, icon, "_aol_icon", nullptr), Hwnd{0});
    }

    void sendChatLinePostsTheLineOnce_data() {
        QTest::addColumn<std::u16string>("line");
        QTest::addColumn<Lines>("posted");
        const std::u16string faded = u"<Font Color=#FF0000>H<Font Color=#800000>i";
        QTest::newRow("faded line") << faded << Lines{faded};
        QTest::newRow("plain text") << std::u16string(u"hello") << Lines{u"hello"};
        QTest::newRow("one space") << std::u16string(u" ") << Lines{u" "};
        QTest::newRow("empty line") << std::u16string() << Lines{};
        // What the ANSI code page cannot hold arrives as '?'.
        QTest::newRow("outside the code page")
            << std::u16string(u"caf\u00E9 \u20AC \u4E2D") << Lines{u"caf\u00E9 \u20AC ?"};
    }

    void sendChatLinePostsTheLineOnce() {
        QFETCH(std::u16string, line);
        QFETCH(Lines, posted);
        SendChatLine(line);
        QCOMPARE(client_->Transcript(), posted);
        QCOMPARE(client_->inputBox->text(), QString());
        QCOMPARE(client_->chatRoom().input(), std::u16string());
    }

    void aSecondSendPostsAgain() {
        SendChatLine(u"<Font Color=#00FF00>x");
        SendChatLine(u"<Font Color=#00FF00>x");
        SendChatLine(u"y");
        QCOMPARE(client_->Transcript(),
                 (Lines{u"<Font Color=#00FF00>x", u"<Font Color=#00FF00>x", u"y"}));
    }

    void onlyTheSixthIconPosts_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("posts");
        for (int position = 1; position <= kStandinIconCount; ++position) {
            QTest::addRow("icon %d", position) << position << (position == kStandinSendIcon);
        }
    }

    void onlyTheSixthIconPosts() {
        QFETCH(int, position);
        QFETCH(bool, posts);
        const StandinChatRoom& room = client_->chatRoom();
        windows_->SendMessageA(room.inputBox(), kWmSetText, 0,
                               reinterpret_cast<std::intptr_t>("waiting"));
        const Hwnd icon = room.icons()[static_cast<std::size_t>(position - 1)];
        windows_->SendMessageA(icon, kWmKeyUp, 32, 0);
        windows_->SendMessageA(icon, kWmChar, 13, 0);
        QCOMPARE(client_->Transcript().size(), std::size_t{0});
        windows_->SendMessageA(icon, kWmLButtonDown, 0, 0);
        QCOMPARE(client_->Transcript(), posts ? Lines{u"waiting"} : Lines{});
        QCOMPARE(client_->inputBox->text(), posts ? QString() : QStringLiteral("waiting"));
    }

    void anEmptyInputBoxPostsNothing() {
        const StandinChatRoom& room = client_->chatRoom();
        windows_->SendMessageA(room.inputBox(), kWmSetText, 0, reinterpret_cast<std::intptr_t>(""));
        windows_->SendMessageA(room.inputBox(), kWmChar, 13, 0);
        windows_->SendMessageA(room.icons()[kStandinSendIcon - 1], kWmLButtonDown, 0, 0);
        windows_->SendMessageA(room.inputBox(), kWmSetText, 0, 0);  // a null text empties it
        windows_->SendMessageA(room.inputBox(), kWmChar, 13, 0);
        QCOMPARE(client_->Transcript(), Lines{});
    }

    void setTextReplacesTheInputBoxFromWindows1252_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ascii") << QByteArray("Hueloom") << QStringLiteral("Hueloom");
        QTest::newRow("latin-1 range")
            << QByteArray("caf\xE9 \xA3\xFF") << QStringLiteral("caf\u00E9 \u00A3\u00FF");
        QTest::newRow("0x80 to 0x9f")
            << QByteArray("\x80\x85\x8A\x93q\x94\x99\x9F")
            << QStringLiteral("\u20AC\u2026\u0160\u201Cq\u201D\u2122\u0178");
        QTest::newRow("undefined bytes") << QByteArray("\x81\x8D\x8F\x90\x9D")
                                         << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
    }

    void setTextReplacesTheInputBoxFromWindows1252() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        const Hwnd input = client_->chatRoom().inputBox();
        windows_->SendMessageA(input, kWmSetText, 0, reinterpret_cast<std::intptr_t>("old text"));
        windows_->SendMessageA(input, kWmSetText, 0,
                               reinterpret_cast<std::intptr_t>(bytes.constData()));
        QCOMPARE(client_->inputBox->text(), shown);
        windows_->SendMessageA(input, kWmChar, 13, 0);
        QCOMPARE(client_->Transcript().size(), std::size_t{1});
        QCOMPARE(ToQString(client_->Transcript()[0]), shown);
    }

    void typedCharactersEditTheInputBox() {
        const Hwnd input = client_->chatRoom().inputBox();
        for (std::uintptr_t key :
             std::initializer_list<std::uintptr_t>{'a', 'b', 0xE9, 8, 'c', 7}) {
            windows_->SendMessageA(input, kWmChar, key, 0);
        }
        QCOMPARE(client_->inputBox->text(), QStringLiteral("abc"));
        windows_->SendMessageA(input, kWmChar, 13, 0);
        QCOMPARE(client_->Transcript(), Lines{u"abc"});
    }

    void theUserCanTypeAndSend() {
        client_->show();
        QVERIFY(QTest::qWaitForWindowExposed(client_.get()));
        QTest::keyClicks(client_->inputBox, QStringLiteral("hi there"));
        QCOMPARE(client_->chatRoom().input(), std::u16string(u"hi there"));
        QTest::keyClick(client_->inputBox, Qt::Key_Return);
        QTest::keyClicks(client_->inputBox, QStringLiteral("again"));
        QTest::mouseClick(client_->icons[kStandinSendIcon - 1], Qt::LeftButton);
        QTest::mouseClick(client_->icons[0], Qt::LeftButton);  // does nothing
        QCOMPARE(client_->Transcript(), (Lines{u"hi there", u"again"}));
        QCOMPARE(client_->inputBox->text(), QString());
    }

    void transcriptShowsTheMarkupsColours() {
        SendChatLine(
            u"<Font Color=#FF0000>W<Font Color=#FF0000>W<Font Color=#0000FF>W"
            u"<Font Color=#0000FF>W<Font Color=#00A000>W<Font Color=#00A000>W");
        client_->resize(600, 300);
        const QImage shown = client_->transcript->grab().toImage();
        const QImage line = shown.copy(client_->transcript->LineRect(0));
        const auto [redLeft, redRight] = ColumnsOf(line, qRgb(255, 0, 0));
        const auto [blueLeft, blueRight] = ColumnsOf(line, qRgb(0, 0, 255));
        const auto [greenLeft, greenRight] = ColumnsOf(line, qRgb(0, 160, 0));
        QVERIFY(redLeft >= 0 && blueLeft >= 0 && greenLeft >= 0);
        QVERIFY2(redRight < blueLeft && blueRight < greenLeft, "colours out of order");
        // Nothing else is drawn: every other pixel is background or a blend of the ink.
        QCOMPARE(ColumnsOf(line, qRgb(0, 0, 0)).first, -1);
    }

    void aLineIsDrawnOncePerPost() {
        SendChatLine(u"<Font Color=#FF0000>WWW");
        const QRect first = client_->transcript->LineRect(0);
        QVERIFY(!first.isEmpty());
        QVERIFY(client_->transcript->LineRect(1).isNull());
        SendChatLine(u"<Font Color=#FF0000>WWW");
        QVERIFY(client_->transcript->LineRect(1).top() > first.bottom());
    }

    void lineBreaksMakeTallerLines() {
        SendChatLine(u"one");
        SendChatLine(u"one+chr13+two+chr13+three");
        const int single = client_->transcript->LineRect(0).height();
        QCOMPARE(client_->transcript->LineRect(1).height(), single + 32);
    }

    void aVeryLongLineIsCutOffNotWrapped() {
        SendChatLine(std::u16string(32767, u'W'));
        const QRect line = client_->transcript->LineRect(0);
        QCOMPARE(line.width(), 4096);
        QVERIFY(line.height() < 40);
    }

    // One line of text per line shown, its characters where they are drawn, and a caret.
    void aScreenReaderReadsTheTranscriptLineByLine() {
        SendChatLine(u"<Font Color=#FF0000>one");
        SendChatLine(u"<b>ab+chr13+c");
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(client_->transcript);
        QAccessibleTextInterface* text = view->textInterface();
        QVERIFY(text != nullptr && view->state().readOnly);
        QCOMPARE(text->text(0, -1), QString("one\nab\nc"));
        // On the screen: "a" inside the second line, "c" below it.
        const QRect a = text->characterRect(4);
        QVERIFY(client_->transcript->LineRect(1)
                    .translated(client_->transcript->mapToGlobal(QPoint()))
                    .contains(a));
        QVERIFY(text->characterRect(7).top() > a.bottom());
        QCOMPARE(text->offsetAtPoint(a.center()), 4);
        QTest::keyClick(client_->transcript, Qt::Key_Down);
        QTest::keyClick(client_->transcript, Qt::Key_End);
        QCOMPARE(text->cursorPosition(), 6);
        QCOMPARE(client_->transcriptArea->focusPolicy(), Qt::NoFocus);
        QVERIFY(!client_->inputBox->accessibleName().isEmpty());
    }

    void theNewestLineStaysInView() {
        client_->resize(400, 260);
        client_->show();
        QVERIFY(QTest::qWaitForWindowExposed(client_.get()));
        QScrollBar* bar = client_->transcriptArea->verticalScrollBar();
        for (int line = 0; line < 40; ++line) SendChatLine(u"another line");
        QTRY_VERIFY(bar->maximum() > 0);
        QTRY_COMPARE(bar->value(), bar->maximum());
        // Scrolled back by the user: a new line leaves the view where it is.
        bar->setValue(0);
        SendChatLine(u"one more");
        QTest::qWait(50);
        QCOMPARE(bar->value(), 0);
    }

    void closingTheWindowRemovesItsWindows() {
        const Hwnd frame = client_->chatRoom().frame();
        const Hwnd input = client_->chatRoom().inputBox();
        client_.reset();
        QVERIFY(!windows_->IsWindow(frame));
        QVERIFY(!windows_->IsWindow(input));
        QCOMPARE(windows_->FindWindowA("aol frame25", nullptr), Hwnd{0});
        SendChatLine(u"to nobody");  // delivered nowhere, and no crash
    }

    void twoClientsTheFrontOneReceives() {
        StandinChatClient second(*windows_);
        SendChatLine(u"front");
        QCOMPARE(second.Transcript(), Lines{u"front"});
        QCOMPARE(client_->Transcript(), Lines{});
    }

  private:
    std::unique_ptr<InProcessWindowSystem> windows_;
    std::unique_ptr<ScopedWindowSystem> installed_;
    std::unique_ptr<StandinChatClient> client_;
};

}  // namespace hueloom

QTEST_MAIN(hueloom::StandinChatClientTest)
#include "standin_chat_client_test.moc"
