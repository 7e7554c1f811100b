// Form1's window on Qt: its name, caption and frame, its activation, its
// region as a mask, and its life beside other windows and inside Send's yields.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "host/window_shape.h"
#include "qt_form_fixture.h"

namespace hueloom::testing {
namespace {

// Shows the form and waits for its activation to finish (its region is the last call).
bool ShowAndActivate(QtFormFixture& f) {
    f.form->show();
    return QTest::qWaitFor([&] {
        const auto ops = f.Operations();
        return !ops.empty() && ops.back() == "DeleteObject";
    });
}

}  // namespace

class QtForm1WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithTheDesignsNameCaptionPlaceAndSize() {
        QtFormFixture f;
        QCOMPARE(f.form->objectName(), QString("Form1"));
        QCOMPARE(f.form->windowTitle(), QString("Hueloom 2.0"));
        QCOMPARE(f.form->geometry(), QRect(190, 155, 402, 217));
        QCOMPARE(f.form->minimumSize(), QSize(402, 217));
        QCOMPARE(f.form->maximumSize(), QSize(402, 217));
        const Qt::WindowFlags flags = f.form->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    // Shown: announced once, then topmost and shaped, on the real window.
    void showingActivatesOnce() {
        QtFormFixture f;
        QVERIFY(ShowAndActivate(f));
        QCOMPARE(f.Messages(), f.NineMessages(kLoaded));
        QVERIFY(f.form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(f.form->isVisible());
        QVERIFY(f.form->mask().isEmpty());  // the region leaves this window whole
        f.form->hide();
        f.form->show();
        QTest::qWait(20);
        QCOMPARE(f.LinesSent().size(), std::size_t{1});
    }

    // The window region in window coordinates becomes a client-area mask.
    void regionBecomesAClientMaskBelowTheTitleBar() {
        QtFormFixture f;
        ApplyNotchedRegion(f.window);
        const Hrgn region = f.windows.WindowRegion(f.window);
        // A frame with a 30-pixel title bar and 4-pixel borders, 600 pixels tall.
        const QRegion mask =
            ClientMaskFromRegion(f.windows, region, QSize(600, 600), QPoint(4, 30));
        QVERIFY(mask.contains(QPoint(0, 0)));
        QVERIFY(!mask.contains(QPoint(16 - 4, 293 - 30)));  // in the notch
        QVERIFY(mask.contains(QPoint(16 - 4, 289 - 30)));   // just above it
        QVERIFY(mask.contains(QPoint(200 - 4, 293 - 30)));  // right of it
        QVERIFY(!mask.contains(QPoint(585 - 4, 10)));       // beyond the outline
        QVERIFY(mask.contains(QPoint(584 - 4, 367 - 30)));
    }

    // The program goes on while another window (the stand-in chat room) is
    // open, so its closing announcement can be read; it ends when that closes.
    void theProgramEndsWhenTheLastWindowCloses() {
        QtFormFixture f;
        QWidget chatRoom;
        chatRoom.show();
        QVERIFY(ShowAndActivate(f));
        bool runningAfterTheForm = false;
        QTimer::singleShot(0, f.form, [&] { f.form->close(); });
        QTimer::singleShot(50, &chatRoom, [&] {
            runningAfterTheForm = f.form.isNull();
            chatRoom.close();
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(runningAfterTheForm);
        QCOMPARE(f.LinesSent(), (std::vector<std::string>{kLoaded, kUnload}));
    }

    // Closed during Send's yield: the unload runs at once, the window stays
    // closed, and it is deleted only after Send has returned, from the loop;
    // with no other window open the program's loop ends.
    void closeDuringAYieldDeletesTheWindowLater() {
        QtFormFixture f;
        QVERIFY(ShowAndActivate(f));
        f.Find<QLineEdit>("Text1")->setText("Hi");
        f.windows.ClearCalls();
        f.toolkit.calls = 0;
        bool aliveInside = true;
        f.toolkit.pendingEvent = [&] {
            if (f.toolkit.calls == 1) f.form->close();
            QCoreApplication::processEvents();
            aliveInside = aliveInside && !f.form.isNull();
        };
        QTimer::singleShot(0, f.form, [&] { f.Find<QPushButton>("Command1")->click(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(aliveInside);
        QCOMPARE(f.LinesSent(), std::vector<std::string>{kUnload});
        QTRY_VERIFY(f.form.isNull());
    }
};

}  // namespace hueloom::testing

QTEST_MAIN(hueloom::testing::QtForm1WindowTest)
#include "qt_form1_window_test.moc"
