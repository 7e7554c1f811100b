// Form1 as a window: its design, the start announcement with the topmost
// band and region, the unload, and closing while a handler is yielding.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include "app/program_end.h"
#include "fade/fade.h"
#include "form_fixture.h"
#include "host/window_shape.h"

namespace hueloom::testing {
namespace {

const std::string kLoaded = Ansi(FadeThree(0, 0, 0, 255, 0, 0, 100, 0, 0, u"Hueloom Loaded", true));
const std::string kUnload = Ansi(FadeThree(0, 0, 0, 255, 0, 0, 100, 0, 0, u"Hueloom Unload", true));

QRect Rect(const QWidget* widget) { return widget->geometry(); }

// Shows the form and waits for its activation to finish (its region is the last call).
bool ShowAndActivate(FormFixture& f) {
    f.form->show();
    return QTest::qWaitFor([&] {
        const auto ops = f.Operations();
        return !ops.empty() && ops.back() == "SetWindowRgn";
    });
}

}  // namespace

class FormWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithTheDesignsCaptionPlaceAndSize() {
        FormFixture f;
        QCOMPARE(f.form->windowTitle(), QString("Hueloom 2.0"));
        QCOMPARE(f.form->geometry(), QRect(190, 155, 402, 217));
        QCOMPARE(f.form->minimumSize(), QSize(402, 217));
        QCOMPARE(f.form->maximumSize(), QSize(402, 217));
        const Qt::WindowFlags flags = f.form->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    void placesEveryControlFromTwips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        const char* swatches[] = {"Color1", "Color2", "Color3", "color4", "color5",
                                  "color6", "color7", "color8", "color9", "color10"};
        const char* bars[][3] = {{"red1", "Green1", "Blue1"}, {"red2", "Green2", "Blue2"},
                                 {"red3", "Green3", "Blue3"}, {"red4", "green4", "blue4"},
                                 {"red5", "green5", "blue5"}, {"red61", "green6", "blue6"},
                                 {"red7", "green7", "blue7"}, {"red8", "green8", "blue8"},
                                 {"red9", "green9", "blue9"}, {"red10", "green10", "blue10"}};
        for (int k = 0; k < 10; ++k) {
            QTest::newRow(swatches[k]) << QString(swatches[k]) << QRect(40 * k, 0, 41, 41);
            for (int c = 0; c < 3; ++c) {
                QTest::newRow(bars[k][c])
                    << QString(bars[k][c]) << QRect(40 * k + 8 * (c + 1), 48, 9, 57);
            }
        }
        QTest::newRow("Slider1") << QString("Slider1") << QRect(0, 112, 401, 17);
        QTest::newRow("Text1") << QString("Text1") << QRect(0, 136, 401, 19);
        QTest::newRow("Picture1") << QString("Picture1") << QRect(0, 160, 401, 33);
        QTest::newRow("Command1") << QString("Command1") << QRect(0, 200, 57, 17);
        QTest::newRow("Label1") << QString("Label1") << QRect(232, 200, 57, 17);
        QTest::newRow("fade3") << QString("fade3") << QRect(272, 200, 25, 17);
        QTest::newRow("fade4") << QString("fade4") << QRect(304, 200, 25, 17);
        QTest::newRow("fade5") << QString("fade5") << QRect(336, 200, 33, 17);
        QTest::newRow("fade10") << QString("fade10") << QRect(368, 200, 33, 17);
        // Inside their swatches' inner area (2-pixel border): on or beyond its edge.
        QTest::newRow("Picture2") << QString("Picture2") << QRect(42, 2, 1, 41);
        QTest::newRow("Picture3") << QString("Picture3") << QRect(2, 42, 41, 1);
        QTest::newRow("Picture4") << QString("Picture4") << QRect(42, 2, 1, 41);
    }
    void placesEveryControlFromTwips() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        FormFixture f;
        auto* control = f.form->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(Rect(control), rect);
    }

    void startsWithFade10AndEveryBarAtZero() {
        FormFixture f;
        Form1& form = *f.form;
        QVERIFY(form.fade10->isChecked());
        QVERIFY(!form.fade3->isChecked() && !form.fade4->isChecked() && !form.fade5->isChecked());
        QCOMPARE(form.fade3->text(), QString("3"));
        QCOMPARE(form.fade10->text(), QString("10"));
        QCOMPARE(form.Command1->text(), QString("Send"));
        QCOMPARE(form.Label1->text(), QString("Fades"));
        QVERIFY(form.Text1->text().isEmpty());
        QVERIFY(form.Text1->maxLength() > 1'000'000);  // a pasted line is never cut
        const auto bars = form.findChildren<QScrollBar*>();
        QCOMPARE(bars.size(), 30);
        for (const QScrollBar* bar : bars) {
            QCOMPARE(bar->orientation(), Qt::Vertical);
            QCOMPARE(bar->minimum(), 0);
            QCOMPARE(bar->maximum(), 255);
            QCOMPARE(bar->value(), 0);
            QCOMPARE(bar->singleStep(), 1);
            QCOMPARE(bar->pageStep(), 1);
        }
        QCOMPARE(form.Slider1->orientation(), Qt::Horizontal);
        QCOMPARE(form.Slider1->maximum(), 255);
        QCOMPARE(form.Slider1->value(), 0);
        QCOMPARE(form.Slider1->singleStep(), 1);
        QCOMPARE(form.Slider1->pageStep(), 5);
        QCOMPARE(form.Slider1->tickPosition(), QSlider::NoTicks);
    }

    // Not the black of their bars: the button face until first painted.
    void swatchesStartInTheButtonFaceColour() {
        FormFixture f;
        const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
        for (PictureBox* box : f.form->findChildren<PictureBox*>()) {
            QCOMPARE(box->palette().color(QPalette::Window), face);
            QCOMPARE(box->frameShadow(), QFrame::Sunken);
            QVERIFY(box->focusPolicy() & Qt::TabFocus);
        }
    }

    // Label1 comes last in the design's order but never takes the focus.
    void tabOrderStartsAtColor2() {
        FormFixture f;
        const QStringList expected =
            QString(
                "Color2 Color1 Color3 Blue1 red2 Green2 Blue2 red3 Green3 Blue3 Green1 red1 Text1 "
                "Command1 Picture1 Slider1 Picture2 color4 red4 green4 blue4 Picture3 color5 "
                "Picture4 color6 color7 color8 red5 green5 blue5 red61 green6 blue6 red7 green7 "
                "blue7 red8 green8 blue8 color9 color10 red9 green9 blue9 red10 green10 blue10 "
                "fade3 fade4 fade10 fade5")
                .split(' ');
        QStringList chain;
        QWidget* widget = f.form->Color2;
        do {
            if (expected.contains(widget->objectName())) chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != f.form->Color2);
        QCOMPARE(chain, expected);
        QCOMPARE(f.form->focusWidget(), static_cast<QWidget*>(f.form->Color2));
    }

    // Announcement first (with its nine messages), then topmost, then the region.
    void activationAnnouncesThenGoesTopmostThenShapesTheWindow() {
        FormFixture f;
        QVERIFY(ShowAndActivate(f));
        QCOMPARE(f.Messages(), f.NineMessages(kLoaded));
        std::vector<RecordedCall> tail;
        for (const RecordedCall& call : f.windows.calls()) {
            if (call.operation != "SendMessageA" && call.operation.rfind("Find", 0) != 0) {
                tail.push_back(call);
            }
        }
        QCOMPARE(tail.size(), std::size_t{6});
        QCOMPARE(tail[0].operation, std::string("SetWindowPos"));
        QCOMPARE(tail[0].args, (std::vector<std::int64_t>{f.window, kHwndTopmost, 0, 0, 0, 0, 3}));
        QCOMPARE(tail[1].operation, std::string("CreatePolygonRgn"));
        QCOMPARE(tail[1].args, (std::vector<std::int64_t>{12, 1}));
        QCOMPARE(tail[2].args, (std::vector<std::int64_t>{0, 0, 0, 0}));
        QCOMPARE(tail[3].args, (std::vector<std::int64_t>{0, 0, 585, 368}));
        QCOMPARE(tail[4].operation, std::string("CombineRgn"));
        QCOMPARE(tail[4].args.back(), std::int64_t{4});
        QCOMPARE(tail[5].operation, std::string("SetWindowRgn"));
        QCOMPARE(tail[5].args[0], std::int64_t{f.window});
        // Announcement before the band: the last message precedes SetWindowPos.
        const auto ops = f.Operations();
        const auto band = std::find(ops.begin(), ops.end(), "SetWindowPos");
        QVERIFY(std::find(band, ops.end(), "SendMessageA") == ops.end());

        // The band and the region reach the real window; this one stays whole.
        QVERIFY(f.form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(f.form->isVisible());
        QVERIFY(f.form->mask().isEmpty());
        QVERIFY(f.windows.IsTopmost(f.window));

        // Once only, however often the window is shown again.
        f.form->hide();
        f.form->show();
        QTest::qWait(20);
        QCOMPARE(f.LinesSent().size(), std::size_t{1});
    }

    // The window region in window coordinates becomes a client-area mask.
    void regionBecomesAClientMaskBelowTheTitleBar() {
        FormFixture f;
        ApplyNotchedRegion(f.window);
        const Hrgn region = f.windows.WindowRegion(f.window);
        // A frame with a 30-pixel title bar and 4-pixel borders, 600 pixels tall.
        const QRegion mask =
            ClientMaskFromRegion(f.windows, region, QSize(600, 600), QPoint(4, 30));
        QVERIFY(mask.contains(QPoint(0, 0)));  // window (4, 30)
        QVERIFY(mask.contains(QPoint(100, 200)));
        QVERIFY(!mask.contains(QPoint(16 - 4, 293 - 30)));  // in the notch
        QVERIFY(mask.contains(QPoint(16 - 4, 289 - 30)));   // just above it
        QVERIFY(mask.contains(QPoint(200 - 4, 293 - 30)));  // right of it
        QVERIFY(!mask.contains(QPoint(585 - 4, 10)));       // beyond the outline
        QVERIFY(!mask.contains(QPoint(10, 368 - 30)));
        QVERIFY(mask.contains(QPoint(584 - 4, 367 - 30)));
    }

    void unloadAnnouncesAndClosesForGood() {
        FormFixture f;
        QVERIFY(ShowAndActivate(f));
        f.windows.ClearCalls();
        QSignalSpy unloaded(f.form.get(), &Form1::Unloaded);
        QVERIFY(f.form->close());
        QCOMPARE(f.Messages(), f.NineMessages(kUnload));
        QCOMPARE(unloaded.size(), 1);
        QVERIFY(!f.form->isVisible());
        QVERIFY(LoadedForms().empty());
        f.form->show();  // an unloaded form never comes back
        QVERIFY(!f.form->isVisible());
        f.form->close();
        QCOMPARE(f.LinesSent().size(), std::size_t{1});
    }

    // Every form goes, each announcing once; the program then leaves its loop.
    void unloadingOneFormUnloadsEveryForm() {
        FormFixture f;
        Form1 second;
        second.show();
        f.form->show();
        QSignalSpy unloaded(&second, &Form1::Unloaded);
        EndProgramWhenNoFormRemains(*qApp, *f.form);
        EndProgramWhenNoFormRemains(*qApp, second);
        QTimer::singleShot(0, f.form.get(), [&] { f.form->close(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(unloaded.size(), 1);
        QVERIFY(!second.isVisible() && !f.form->isVisible());
        const std::vector<std::string> lines = f.LinesSent();
        QCOMPARE(std::count(lines.begin(), lines.end(), kUnload), 2);
    }

    // Closed while Send yields (in the fade, or in the chat link's presses):
    // the unload runs, the window stays closed, the program ends, and the
    // interrupted Send does nothing more.
    void closeDuringSendsYield_data() {
        QTest::addColumn<int>("closeAtYield");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("in the fade") << 1 << QStringList{"unload"};
        QTest::newRow("in the chat link") << 2 << QStringList{"line", "unload"};
    }
    void closeDuringSendsYield() {
        QFETCH(int, closeAtYield);
        QFETCH(QStringList, lines);
        FormFixture f;
        QVERIFY(ShowAndActivate(f));
        f.form->Text1->setText("Hi");
        f.windows.ClearCalls();
        f.toolkit.yields = 0;
        f.toolkit.onYield = [&](int yield) {
            if (yield == closeAtYield) f.form->close();
        };
        EndProgramWhenNoFormRemains(*qApp, *f.form);
        QTimer::singleShot(0, f.form.get(), [&] { f.form->Command1->click(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);

        const std::string line = Ansi(FadeTen(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                              0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, u"Hi", false));
        std::vector<std::string> expected;
        for (const QString& which : lines) expected.push_back(which == "line" ? line : kUnload);
        QCOMPARE(f.LinesSent(), expected);
        QVERIFY(!f.form->isVisible());
        QVERIFY(f.form->IsUnloading());
    }

    // Closed during the start announcement: no topmost band, no region.
    void closeDuringActivationSkipsTheShaping() {
        FormFixture f;
        f.toolkit.onYield = [&](int yield) {
            if (yield == 1) f.form->close();
        };
        f.form->show();
        QTRY_VERIFY(f.form->IsUnloading());
        QTest::qWait(20);
        QCOMPARE(f.LinesSent(), (std::vector<std::string>{kLoaded, kUnload}));
        const auto ops = f.Operations();
        QVERIFY(std::find(ops.begin(), ops.end(), "SetWindowPos") == ops.end());
        QVERIFY(std::find(ops.begin(), ops.end(), "SetWindowRgn") == ops.end());
        QVERIFY(!f.form->isVisible());
    }
};

}  // namespace hueloom::testing

QTEST_MAIN(hueloom::testing::FormWindowTest)
#include "form_window_test.moc"
