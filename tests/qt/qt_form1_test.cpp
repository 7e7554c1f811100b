// Form1 on Qt widgets: the widgets the design table makes, Qt's signals turned
// into the handlers' notifications, and the pixels.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include "app/form1_design.h"
#include "host/window_shape.h"
#include "qt/qt_drawing_surface.h"
#include "qt/qt_picture_box.h"
#include "qt_form_fixture.h"

namespace hueloom::testing {
namespace {

QColor ButtonFace() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

QColor Shown(const QWidget* box) { return box->palette().color(QPalette::Window); }

// A drag of the thumb as Qt's mouse handling makes it.
void Drag(QAbstractSlider* bar, int to) {
    bar->setSliderDown(true);
    bar->setSliderPosition(to);
}
void Release(QAbstractSlider* bar) { bar->setSliderDown(false); }

QAccessibleInterface* AccessibleOf(QtFormFixture& f, const char* name) {
    return QAccessible::queryAccessibleInterface(f.Find<QWidget>(name));
}

QString ValueOf(QtFormFixture& f, const char* name) {
    return AccessibleOf(f, name)->text(QAccessible::Value);
}

const QImage& PreviewOf(QtFormFixture& f) {
    return static_cast<QtDrawingSurface&>(f.Find<QtPictureBox>("Picture1")->Surface()).image();
}


}  // namespace

class QtForm1Test : public QObject {
    Q_OBJECT

  private slots:
    void placesEveryControlFromTwips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("rect");
        for (int k = 0; k < 10; ++k) {
            const ColumnDesign& column = Form1Columns()[k];
            const QString swatch = QString::fromUtf8(column.swatch.data(), column.swatch.size());
            QTest::newRow(qPrintable(swatch)) << swatch << "picture" << QRect(40 * k, 0, 41, 41);
            for (int c = 0; c < 3; ++c) {
                const QString bar = QString::fromUtf8(column.bars[c].data(), column.bars[c].size());
                QTest::newRow(qPrintable(bar))
                    << bar << "QScrollBar" << QRect(40 * k + 8 * (c + 1), 48, 9, 57);
            }
        }
        QTest::newRow("Slider1") << "Slider1"
                                 << "QSlider" << QRect(0, 112, 401, 17);
        QTest::newRow("Text1") << "Text1"
                               << "QLineEdit" << QRect(0, 136, 401, 19);
        QTest::newRow("Picture1") << "Picture1"
                                  << "picture" << QRect(0, 160, 401, 33);
        QTest::newRow("Command1") << "Command1"
                                  << "QPushButton" << QRect(0, 200, 57, 17);
        QTest::newRow("Label1") << "Label1"
                                << "QLabel" << QRect(232, 200, 57, 17);
        QTest::newRow("fade3") << "fade3"
                               << "QRadioButton" << QRect(272, 200, 25, 17);
        QTest::newRow("fade4") << "fade4"
                               << "QRadioButton" << QRect(304, 200, 25, 17);
        QTest::newRow("fade5") << "fade5"
                               << "QRadioButton" << QRect(336, 200, 33, 17);
        QTest::newRow("fade10") << "fade10"
                                << "QRadioButton" << QRect(368, 200, 33, 17);
        // Inside their swatches' inner area (2-pixel border): on or beyond its edge.
        QTest::newRow("Picture2") << "Picture2"
                                  << "picture" << QRect(42, 2, 1, 41);
        QTest::newRow("Picture3") << "Picture3"
                                  << "picture" << QRect(2, 42, 41, 1);
        QTest::newRow("Picture4") << "Picture4"
                                  << "picture" << QRect(42, 2, 1, 41);
    }
    void placesEveryControlFromTwips() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, rect);
        QtFormFixture f;
        auto* control = f.Find<QWidget>(qPrintable(name));
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), rect);
        if (kind == "picture") {
            QVERIFY(qobject_cast<QtPictureBox*>(control) != nullptr);
        } else {
            QVERIFY(control->inherits(qPrintable(kind)));
        }
    }

    void startsAsDesignedWithFade10AndEveryBarAtZero() {
        QtFormFixture f;
        QVERIFY(f.Find<QRadioButton>("fade10")->isChecked());
        for (const char* option : {"fade3", "fade4", "fade5"}) {
            QVERIFY(!f.Find<QRadioButton>(option)->isChecked());
        }
        QCOMPARE(f.Find<QRadioButton>("fade3")->text(), QString("3"));
        QCOMPARE(f.Find<QRadioButton>("fade10")->text(), QString("10"));
        QCOMPARE(f.Find<QPushButton>("Command1")->text(), QString("Send"));
        QCOMPARE(f.Find<QLabel>("Label1")->text(), QString("Fades"));
        QVERIFY(f.Find<QLineEdit>("Text1")->text().isEmpty());
        QVERIFY(f.Find<QLineEdit>("Text1")->maxLength() > 1'000'000);  // never cut
        const auto bars = f.form->findChildren<QScrollBar*>();
        QCOMPARE(bars.size(), 30);
        for (const QScrollBar* bar : bars) {
            QCOMPARE(bar->orientation(), Qt::Vertical);
            QCOMPARE(bar->minimum(), 0);
            QCOMPARE(bar->maximum(), 255);
            QCOMPARE(bar->value(), 0);
            QCOMPARE(bar->singleStep(), 1);
            QCOMPARE(bar->pageStep(), 1);
        }
        const QSlider* slider = f.Find<QSlider>("Slider1");
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(slider->maximum(), 255);
        QCOMPARE(slider->pageStep(), 5);
        QCOMPARE(slider->tickPosition(), QSlider::NoTicks);
        // Not the black of their bars: the button face until first painted.
        for (QtPictureBox* box : f.form->findChildren<QtPictureBox*>()) {
            QCOMPARE(Shown(box), ButtonFace());
            QCOMPARE(box->frameShadow(), QFrame::Sunken);
            QVERIFY(box->focusPolicy() & Qt::TabFocus);
        }
    }

    // Label1 comes last in the design's order but never takes the focus.
    void tabOrderStartsAtColor2() {
        QtFormFixture f;
        QStringList expected;
        for (std::string_view name : Form1TabOrder()) {
            if (name != "Label1") expected << QString::fromUtf8(name.data(), name.size());
        }
        QStringList chain;
        QWidget* first = f.Find<QWidget>(qPrintable(expected.front()));
        QWidget* widget = first;
        do {
            if (expected.contains(widget->objectName())) chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QCOMPARE(chain, expected);
        QCOMPARE(f.form->focusWidget(), first);
    }

    // A screen reader tells every control apart by the name the design gives it.
    void everyControlHasItsOwnAccessibleName() {
        QtFormFixture f;
        QSet<QString> names;
        for (const ControlDesign& design : Form1Controls()) {
            const QString object = QString::fromUtf8(design.name.data(), design.name.size());
            QAccessibleInterface* control = AccessibleOf(f, qPrintable(object));
            QVERIFY2(control != nullptr, qPrintable(object));
            const QString name = control->text(QAccessible::Name);
            QCOMPARE(name, QString::fromStdU16String(std::u16string(design.accessibleName)));
            QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(object));
            QVERIFY2(!control->text(QAccessible::Description).isEmpty(), qPrintable(object));
            names.insert(name);
        }
        QCOMPARE(AccessibleOf(f, "red1")->text(QAccessible::Name), QString("Red, colour 1"));
        QCOMPARE(AccessibleOf(f, "red61")->text(QAccessible::Name), QString("Red, colour 6"));
        QCOMPARE(AccessibleOf(f, "Slider1")->text(QAccessible::Name), QString("Grey"));
        QCOMPARE(AccessibleOf(f, "Text1")->text(QAccessible::Name), QString("Line to fade"));
        QCOMPARE(AccessibleOf(f, "color10")->role(), QAccessible::Graphic);
        QCOMPARE(AccessibleOf(f, "Picture1")->role(), QAccessible::EditableText);
    }

    // Values: a bar's and the slider's position, a swatch's colour, the preview's text.
    void screenReadersHearTheValuesShown() {
        QtFormFixture f;
        Drag(f.Find<QScrollBar>("Green2"), 17);
        Release(f.Find<QScrollBar>("Green2"));
        QCOMPARE(ValueOf(f, "Green2"), QString("17"));
        QCOMPARE(ValueOf(f, "Color2"), QString("#001100"));
        QCOMPARE(AccessibleOf(f, "Color2")->text(QAccessible::Description), QString("#001100"));
        QCOMPARE(ValueOf(f, "color9"),
                 QString::fromStdU16String(ColourHelp(
                     ButtonFace().red() | ButtonFace().green() << 8 | ButtonFace().blue() << 16)));
        f.Find<QSlider>("Slider1")->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(ValueOf(f, "Slider1"), QString("5"));
        QCOMPARE(ValueOf(f, "Color1"), QString("#050505"));
        QVERIFY(ValueOf(f, "Picture1").isEmpty());
        QTest::keyClicks(f.Find<QLineEdit>("Text1"), "a<b>c");
        QCOMPARE(ValueOf(f, "Picture1"), QString("ab>c"));  // as drawn: the "<" is not
        QAccessibleTextInterface* preview = AccessibleOf(f, "Picture1")->textInterface();
        QVERIFY(preview != nullptr);
        QCOMPARE(preview->text(0, -1), QString("ab>c"));
        QVERIFY(f.Find<QtPictureBox>("Picture1")->contentsRect().contains(
            f.Find<QtPictureBox>("Picture1")->CharacterRect(3)));
        f.Find<QLineEdit>("Text1")->setText(QString(40000, QChar('x')));
        QCOMPARE(ValueOf(f, "Picture1"),
                 QString("Too long to fade: this line has 40,000 characters.\n"
                         "The longest line that can be faded has 32,767."));
    }

    // A thumb drag is Scroll; arrows, keys and code are Change (only red61 is wired to it).
    void barsRaiseScrollWhileDraggedAndChangeOtherwise() {
        QtFormFixture f;
        auto* green1 = f.Find<QScrollBar>("Green1");
        auto* color1 = f.Find<QWidget>("Color1");
        Drag(green1, 40);
        QCOMPARE(Shown(color1), QColor(0, 40, 0));
        Release(green1);
        green1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QTest::keyClick(green1, Qt::Key_Down);
        QCOMPARE(Shown(color1), QColor(0, 40, 0));
        QCOMPARE(green1->toolTip(), QString("42"));
        QCOMPARE(color1->toolTip(), QString("#002800"));

        auto* red61 = f.Find<QScrollBar>("red61");
        auto* color6 = f.Find<QWidget>("color6");
        QTest::keyClick(red61, Qt::Key_Down);
        QCOMPARE(Shown(color6), QColor(1, 0, 0));
        Drag(red61, 100);
        QCOMPARE(Shown(color6), QColor(1, 0, 0));  // not while dragging
        Release(red61);
        QCOMPARE(Shown(color6), QColor(100, 0, 0));
        red61->setValue(200);
        QCOMPARE(Shown(color6), QColor(200, 0, 0));
    }

    // Every user move of the slider is Scroll; a value set by code raises nothing.
    void sliderRaisesScrollForUserMovesOnly() {
        QtFormFixture f;
        auto* slider = f.Find<QSlider>("Slider1");
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(Shown(f.Find<QWidget>("color4")), QColor(1, 1, 1));
        QCOMPARE(f.Find<QLineEdit>("Text1")->palette().color(QPalette::Base), QColor(1, 1, 1));
        slider->setValue(20);
        QCOMPARE(Shown(f.Find<QWidget>("color4")), QColor(1, 1, 1));
        QCOMPARE(slider->toolTip(), QString("20"));
    }

    // One Change per change of the text, whether typed, pasted or set by code,
    // raised after the edit; a keystroke handled during the preview's yield
    // previews nested. The button's click is Send.
    void textBoxRaisesChangeAfterEveryEditAndTheButtonSends() {
        QtFormFixture f;
        auto* text = f.Find<QLineEdit>("Text1");
        int previews = 0;
        f.toolkit.pendingEvent = [&] { ++previews; };  // FadeTen yields once per short line
        QTest::keyClicks(text, "abc");
        QCOMPARE(previews, 3);
        text->setText("xy");
        QApplication::clipboard()->setText("zz");
        text->paste();
        QCOMPARE(previews, 5);
        QTest::keyClick(text, Qt::Key_Left);  // no change, no Change
        QCOMPARE(previews, 5);

        bool typed = false;
        f.toolkit.pendingEvent = [&] {
            ++previews;
            if (!std::exchange(typed, true)) QTest::keyClick(text, Qt::Key_Q);
        };
        QTest::keyClick(text, Qt::Key_W);
        QCOMPARE(previews, 7);
        QCOMPARE(text->text(), QString("xyzwqz"));

        f.toolkit.pendingEvent = {};
        QTest::mouseClick(f.Find<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(f.LinesSent().size(), std::size_t{1});
    }

    // Typing one character draws it at x = 2 in column 2's colour; deleting it clears.
    void previewPaintsTheTypedCharacter() {
        QtFormFixture f;
        f.Find<QScrollBar>("red2")->setValue(230);
        f.Find<QScrollBar>("Green2")->setValue(20);
        f.Find<QScrollBar>("Blue2")->setValue(10);
        QTest::keyClicks(f.Find<QLineEdit>("Text1"), "a");
        const QImage& image = PreviewOf(f);
        const QColor back = Shown(f.Find<QWidget>("Picture1"));
        int left = image.width(), strongest = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c == back) continue;
                left = std::min(left, x);
                QVERIFY(y < 16);
                // Ink blends column 2's colour into the background, nothing else.
                QVERIFY(c.red() <= std::max(back.red(), 230) && c.green() <= back.green());
                strongest = std::max(strongest, back.green() - c.green());
            }
        }
        QCOMPARE(left, 2);
        QVERIFY(strongest > (back.green() - 20) * 3 / 4);
        QTest::keyClick(f.Find<QLineEdit>("Text1"), Qt::Key_Backspace);
        for (int x = 0; x < image.width(); ++x) QCOMPARE(PreviewOf(f).pixelColor(x, 5), back);
    }

    // A swatch that Send disabled keeps its colour on screen and follows its bars.
    void aDisabledSwatchKeepsItsColourOnScreen() {
        QtFormFixture f;
        f.Find<QRadioButton>("fade3")->setChecked(true);
        f.Find<QPushButton>("Command1")->click();
        auto* color10 = f.Find<QWidget>("color10");
        QVERIFY(!color10->isEnabled());
        Drag(f.Find<QScrollBar>("red10"), 200);
        Release(f.Find<QScrollBar>("red10"));
        const QImage picture = color10->grab().toImage();
        QCOMPARE(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(200, 0, 0));
    }

    // A pasted line of any length stays whole in the box; nothing goes out.
    void aPastedMegabyteIsKeptWhole() {
        QtFormFixture f;
        auto* text = f.Find<QLineEdit>("Text1");
        QString megabyte(1 << 20, QChar('m'));
        megabyte[0] = QChar(0xD800);
        QApplication::clipboard()->setText(megabyte);
        text->paste();
        QCOMPARE(text->text(), megabyte);
        f.Find<QPushButton>("Command1")->click();
        QVERIFY(f.LinesSent().empty());
        // The strip says why, in dark red.
        const QImage& strip = PreviewOf(f);
        bool darkRed = false;
        for (int y = 0; y < strip.height() && !darkRed; ++y) {
            for (int x = 0; x < strip.width() && !darkRed; ++x) {
                const QColor c = strip.pixelColor(x, y);
                darkRed = c.red() > c.green() + 60 && c.green() == c.blue();
            }
        }
        QVERIFY(darkRed);
    }
};

}  // namespace hueloom::testing

QTEST_MAIN(hueloom::testing::QtForm1Test)
#include "qt_form1_test.moc"
