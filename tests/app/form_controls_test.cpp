// Form1's controls at work: the colour columns, the grey slider, Send in each
// fade size, the live preview's pixels, nested Send, and errors in handlers.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QToolTip>
#include <QtTest>

#include "host/qt/qt_colour.h"
#include "app/text_box.h"
#include "fade/fade.h"
#include "form_fixture.h"
#include "host/qt/qt_drawing_surface.h"

namespace hueloom::testing {
namespace {

QColor ButtonFace() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

QColor Shown(const PictureBox* box) { return box->palette().color(QPalette::Window); }

// A drag of the thumb as Qt's mouse handling makes it.
void Drag(QAbstractSlider* bar, int to) {
    bar->setSliderDown(true);
    bar->setSliderPosition(to);
}
void Release(QAbstractSlider* bar) { bar->setSliderDown(false); }

// Column k's stop in the Send tests: every bar of every column distinct.
struct Stop {
    int red, green, blue;
};
Stop StopOf(int column) { return {20 * column, 250 - 20 * column, 7 * column + 1}; }

void SetColumns(Form1& form) {
    const std::array<QScrollBar*, 30> bars = {
        form.red1, form.Green1, form.Blue1, form.red2,  form.Green2,  form.Blue2,
        form.red3, form.Green3, form.Blue3, form.red4,  form.green4,  form.blue4,
        form.red5, form.green5, form.blue5, form.red61, form.green6,  form.blue6,
        form.red7, form.green7, form.blue7, form.red8,  form.green8,  form.blue8,
        form.red9, form.green9, form.blue9, form.red10, form.green10, form.blue10};
    for (int k = 1; k <= 10; ++k) {
        const Stop stop = StopOf(k);
        bars[3 * (k - 1)]->setValue(stop.red);
        bars[3 * (k - 1) + 1]->setValue(stop.green);
        bars[3 * (k - 1) + 2]->setValue(stop.blue);
    }
}

// A line with one character per segment: character k gets exactly stop k + 1.
std::string OnePerSegment(const std::string& text) {
    std::string markup;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Stop stop = StopOf(static_cast<int>(i) + 2);
        markup += QString::asprintf("<Font Color=#%02X%02X%02X>", stop.red, stop.green, stop.blue)
                      .toStdString() +
                  text[i];
    }
    return markup;
}

// "abcdefghi" faded over the first `columns` stops, as the fade engine has it.
std::string FadedBy(int columns) {
    std::vector<Component> c;
    for (int k = 1; k <= 10; ++k) {
        const Stop stop = StopOf(k);
        c.insert(c.end(), {static_cast<Component>(stop.red), static_cast<Component>(stop.green),
                           static_cast<Component>(stop.blue)});
    }
    const std::u16string_view text = u"abcdefghi";
    switch (columns) {
        case 3:
            return Ansi(
                FadeThree(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], text, false));
        case 4:
            return Ansi(FadeFour(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9], c[10],
                                 c[11], text, false));
        case 5:
            return Ansi(FadeFive(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9], c[10],
                                 c[11], c[12], c[13], c[14], text, false));
        default:
            return OnePerSegment("abcdefghi");
    }
}

std::vector<PictureBox*> Swatches(const Form1& form) {
    return {form.Color1, form.Color2, form.Color3, form.color4, form.color5,
            form.color6, form.color7, form.color8, form.color9, form.color10};
}

QString EnabledSwatches(const Form1& form) {
    QString flags;
    for (const PictureBox* swatch : Swatches(form)) flags += swatch->isEnabled() ? '1' : '0';
    return flags;
}

const QtDrawingSurface& PreviewOf(Form1& form) {
    return static_cast<const QtDrawingSurface&>(form.Picture1->Surface());
}

}  // namespace

class FormControlsTest : public QObject {
    Q_OBJECT

  private slots:
    // A drag repaints while it moves; arrows, keys and code do not.
    void dragRepaintsItsColumnOtherMovesDoNot() {
        FormFixture f;
        Form1& form = *f.form;
        Drag(form.Green1, 40);
        QCOMPARE(Shown(form.Color1), QColor(0, 40, 0));
        Drag(form.Green1, 60);
        QCOMPARE(Shown(form.Color1), QColor(0, 60, 0));
        Release(form.Green1);
        form.Green1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        form.Green1->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QTest::keyClick(form.Green1, Qt::Key_Down);
        form.Blue1->setValue(9);
        QCOMPARE(form.Green1->value(), 63);
        QCOMPARE(Shown(form.Color1), QColor(0, 60, 0));
        // The next drag in the column reads all three bars.
        Drag(form.red1, 5);
        Release(form.red1);
        QCOMPARE(Shown(form.Color1), QColor(5, 63, 9));
        QCOMPARE(Shown(form.Color2), ButtonFace());  // no other column touched
    }

    // red61 repaints on Change only: arrows, keys and code at once, a drag at its end.
    void column6RedBarRepaintsOnChange() {
        FormFixture f;
        Form1& form = *f.form;
        form.green6->setValue(30);  // an arrow-like change of green6 paints nothing
        QCOMPARE(Shown(form.color6), ButtonFace());
        form.red61->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Shown(form.color6), QColor(1, 30, 0));
        QTest::keyClick(form.red61, Qt::Key_Down);
        QCOMPARE(Shown(form.color6), QColor(2, 30, 0));
        Drag(form.red61, 100);
        QCOMPARE(Shown(form.color6), QColor(2, 30, 0));  // not while dragging
        Release(form.red61);
        QCOMPARE(Shown(form.color6), QColor(100, 30, 0));
        form.red61->setValue(200);
        QCOMPARE(Shown(form.color6), QColor(200, 30, 0));
        Drag(form.blue6, 7);
        QCOMPARE(Shown(form.color6), QColor(200, 30, 7));
    }

    // The grey slider paints Color1 to color4 and Text1, on every user move only.
    void greySliderPaintsTheFirstFourSwatchesAndTheTextBox() {
        FormFixture f;
        Form1& form = *f.form;
        Drag(form.Slider1, 128);
        Release(form.Slider1);
        const QColor grey(128, 128, 128);
        for (PictureBox* swatch : {form.Color1, form.Color2, form.Color3, form.color4}) {
            QCOMPARE(Shown(swatch), grey);
        }
        QCOMPARE(form.Text1->palette().color(QPalette::Base), grey);
        QCOMPARE(Shown(form.color5), ButtonFace());
        QCOMPARE(form.red1->value(), 0);
        QTest::keyClick(form.Slider1, Qt::Key_Right);
        QCOMPARE(Shown(form.Color2), QColor(129, 129, 129));
        form.Slider1->setValue(20);  // code moves it without a Scroll
        QCOMPARE(Shown(form.Color2), QColor(129, 129, 129));
        // A drag in column 2 repaints only Color2 from its bars.
        Drag(form.Blue2, 77);
        Release(form.Blue2);
        QCOMPARE(Shown(form.Color2), QColor(0, 0, 77));
        QCOMPARE(Shown(form.Color1), QColor(129, 129, 129));
        // Send still uses the bars, not the grey.
        form.fade4->setChecked(true);
        form.Text1->setText("abc");
        form.Command1->click();
        QCOMPARE(f.LinesSent(),
                 (std::vector<std::string>{"<Font Color=#00004D>a<Font Color=#000000>b"
                                           "<Font Color=#000000>c"}));
    }

    void sendFadesOverTheSelectedColumns_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("text");  // one character per segment
        QTest::addColumn<QString>("enabledAfter");
        QTest::newRow("fade10") << "fade10"
                                << "abcdefghi"
                                << "1111111111";
        QTest::newRow("fade5") << "fade5"
                               << "abcd"
                               << "1111100000";
        QTest::newRow("fade4") << "fade4"
                               << "abc"
                               << "1111000000";
        QTest::newRow("fade3") << "fade3"
                               << "ab"
                               << "1110000000";
    }
    void sendFadesOverTheSelectedColumns() {
        QFETCH(QString, option);
        QFETCH(QString, text);
        QFETCH(QString, enabledAfter);
        FormFixture f;
        Form1& form = *f.form;
        SetColumns(form);
        form.findChild<QRadioButton*>(option)->setChecked(true);
        QTest::keyClicks(form.Text1, text);
        const std::vector<QColor> before = [&] {
            std::vector<QColor> colours;
            for (PictureBox* swatch : Swatches(form)) colours.push_back(Shown(swatch));
            return colours;
        }();
        QTest::mouseClick(form.Command1, Qt::LeftButton);
        const std::string line = OnePerSegment(text.toStdString());
        QCOMPARE(f.Messages(), f.NineMessages(line));
        QCOMPARE(EnabledSwatches(form), enabledAfter);
        QCOMPARE(form.Text1->text(), text);  // kept for the next Send

        // Disabled swatches keep their colour and stay disabled.
        for (std::size_t k = 0; k < 10; ++k) {
            QCOMPARE(Swatches(form)[k]->palette().color(QPalette::Disabled, QPalette::Window),
                     before[k]);
        }
        form.fade10->setChecked(true);
        form.Command1->click();
        QCOMPARE(EnabledSwatches(form), enabledAfter);
        QCOMPARE(f.LinesSent().size(), std::size_t{2});
    }

    // Four separate tests in the order fade10, fade5, fade4, fade3: with the
    // group's exclusivity lifted, every selected option sends its own line.
    void sendRunsOneBlockPerSelectedOption_data() {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QStringList>("sentColumns");  // in the order sent
        QTest::addColumn<QString>("enabledAfter");
        QTest::newRow("none") << QStringList{} << QStringList{} << "1111111111";
        QTest::newRow("all") << QStringList{"fade3", "fade4", "fade5", "fade10"}
                             << QStringList{"10", "5", "4", "3"} << "1110000000";
        QTest::newRow("3 and 10") << QStringList{"fade3", "fade10"} << QStringList{"10", "3"}
                                  << "1110000000";
    }
    void sendRunsOneBlockPerSelectedOption() {
        QFETCH(QStringList, selected);
        QFETCH(QStringList, sentColumns);
        QFETCH(QString, enabledAfter);
        FormFixture f;
        Form1& form = *f.form;
        SetColumns(form);
        for (QRadioButton* option : {form.fade3, form.fade4, form.fade5, form.fade10}) {
            option->setAutoExclusive(false);
            option->setChecked(selected.contains(option->objectName()));
        }
        form.Text1->setText("abcdefghi");
        form.Command1->click();
        std::vector<std::string> expected;
        for (const QString& columns : sentColumns) expected.push_back(FadedBy(columns.toInt()));
        QCOMPARE(f.LinesSent(), expected);
        QCOMPARE(EnabledSwatches(form), enabledAfter);
    }

    // An empty line is still faded and sent: one empty line into the chat.
    void emptyLineIsSentEmpty() {
        FormFixture f;
        f.form->Command1->click();
        QCOMPARE(f.Messages(), f.NineMessages(""));
    }

    // A disabled swatch is still repainted by its bars, in its own colour.
    void disabledSwatchStillFollowsItsBars() {
        FormFixture f;
        Form1& form = *f.form;
        form.fade3->setChecked(true);
        form.Command1->click();
        QVERIFY(!form.color10->isEnabled());
        Drag(form.red10, 200);
        Release(form.red10);
        form.resize(form.size());
        const QImage picture = form.color10->grab().toImage();
        QCOMPARE(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(200, 0, 0));
    }

    // Typing one character draws it at x = 2 in column 2's colour.
    void previewDrawsTheTypedCharacterInColumn2sColour() {
        FormFixture f;
        Form1& form = *f.form;
        form.red2->setValue(230);
        form.Green2->setValue(20);
        form.Blue2->setValue(10);
        form.red3->setValue(255);  // unused by a one-character line
        QTest::keyClicks(form.Text1, "a");
        const QImage& image = PreviewOf(form).image();
        const QColor back = Shown(form.Picture1);
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
        // Deleting the line clears the preview.
        QTest::keyClick(form.Text1, Qt::Key_Backspace);
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(PreviewOf(form).image().pixelColor(x, 5), back);
    }

    // One Change per change of the text, whether typed, pasted or set by code,
    // and a keystroke handled during the preview's yield previews nested.
    void everyChangeOfTheTextRaisesOneChange() {
        FormFixture f;
        Form1& form = *f.form;
        QSignalSpy changes(static_cast<TextBox*>(form.Text1), &TextBox::Change);
        QTest::keyClicks(form.Text1, "abc");
        QCOMPARE(changes.size(), 3);
        form.Text1->setText("xy");
        QCOMPARE(changes.size(), 4);
        QApplication::clipboard()->setText("zz");
        form.Text1->paste();
        QCOMPARE(changes.size(), 5);
        QTest::keyClick(form.Text1, Qt::Key_Left);  // no change, no Change
        QCOMPARE(changes.size(), 5);

        bool typed = false;
        f.toolkit.onYield = [&](int) {
            if (!std::exchange(typed, true)) QTest::keyClick(form.Text1, Qt::Key_Q);
        };
        QTest::keyClick(form.Text1, Qt::Key_W);
        QCOMPARE(changes.size(), 7);
        QCOMPARE(form.Text1->text(), QString("xyzwqz"));
    }

    // Bars and fade size take effect at the next keystroke, not before.
    void previewRedrawsOnlyWhenTheTextChanges() {
        FormFixture f;
        Form1& form = *f.form;
        QTest::keyClicks(form.Text1, "W");
        const QImage first = PreviewOf(form).image();
        Drag(form.red2, 255);
        Release(form.red2);
        form.fade3->setChecked(true);
        QCOMPARE(PreviewOf(form).image(), first);
        QTest::keyClicks(form.Text1, "W");
        QVERIFY(PreviewOf(form).image() != first);
    }

    // A Send pressed during Send's yield runs whole inside it; then the outer one finishes.
    void sendPressedDuringAYieldRunsNestedAndCompletes() {
        FormFixture f;
        Form1& form = *f.form;
        form.Text1->setText("Hello");
        bool clicked = false;
        f.toolkit.onYield = [&](int) {
            if (!std::exchange(clicked, true)) form.Command1->click();
        };
        form.Command1->click();
        const std::string line = Ansi(FadeTen(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                              0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, u"Hello", false));
        std::vector<Message> expected = f.NineMessages(line);
        const std::vector<Message> again = f.NineMessages(line);
        expected.insert(expected.end(), again.begin(), again.end());
        QCOMPARE(f.Messages(), expected);
    }

    // Switching to fade3 while FadeTen runs sends both lines, ten-colour first.
    void optionChangedDuringTheFadeAddsALaterBlock() {
        FormFixture f;
        Form1& form = *f.form;
        SetColumns(form);
        form.Text1->setText("ab");
        f.toolkit.yields = 0;
        f.toolkit.onYield = [&](int yield) {
            if (yield == 1) form.fade3->setChecked(true);
        };
        form.Command1->click();
        QCOMPARE(f.LinesSent(),
                 (std::vector<std::string>{OnePerSegment("ab"), OnePerSegment("ab")}));
        QCOMPARE(EnabledSwatches(form), QString("1110000000"));
    }

    // A pasted line over 32767 characters is kept whole; the fade's overflow
    // ends the preview and Send without drawing or sending, says why, and the
    // window goes on working.
    void overlongLineIsKeptAndFailsOnlyItsHandler() {
        FormFixture f;
        Form1& form = *f.form;
        form.show();
        QTest::keyClicks(form.Text1, "ok");
        const QImage drawn = PreviewOf(form).image();
        f.windows.ClearCalls();
        QApplication::clipboard()->setText(QString(32766, 'x'));
        form.Text1->paste();
        QCOMPARE(form.Text1->text().size(), 32768);
        QCOMPARE(PreviewOf(form).image(), drawn);
        QVERIFY(QToolTip::text().contains("32767"));
        QToolTip::hideText();
        form.Command1->click();
        QVERIFY(f.LinesSent().empty());
        QVERIFY(QToolTip::text().contains("Overflow"));
        QCOMPARE(form.Text1->text().size(), 32768);

        form.Text1->end(false);
        QTest::keyClick(form.Text1, Qt::Key_Backspace);
        QVERIFY(PreviewOf(form).image() != drawn);
        form.Command1->click();
        QCOMPARE(f.LinesSent().size(), std::size_t{1});
        QCOMPARE(f.LinesSent()[0].size(), std::size_t{32767} * 21);
    }
};

}  // namespace hueloom::testing

QTEST_MAIN(hueloom::testing::FormControlsTest)
#include "form_controls_test.moc"
