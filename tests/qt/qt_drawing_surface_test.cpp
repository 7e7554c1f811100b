// The Qt drawing surface, checked pixel by pixel on the offscreen platform.
#include "qt/qt_drawing_surface.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <optional>

#include "preview/render.h"

namespace hueloom {
namespace {

const QColor kBackground(12, 34, 56);

// The columns and rows that hold anything but the background.
struct Ink {
    int left = 0, right = -1, top = 0, bottom = -1;
    bool empty() const { return right < left; }
};

Ink InkIn(const QImage& image, QRect area) {
    Ink ink;
    std::optional<int> left, right, top, bottom;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == kBackground) continue;
            left = std::min(left.value_or(x), x);
            right = std::max(right.value_or(x), x);
            top = std::min(top.value_or(y), y);
            bottom = std::max(bottom.value_or(y), y);
        }
    }
    if (left) ink = {*left, *right, *top, *bottom};
    return ink;
}

Ink InkIn(const QImage& image) { return InkIn(image, image.rect()); }

// A picture box stand-in that counts its paints.
class Box : public QFrame {
  public:
    Box() {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, kBackground);
        setPalette(colours);
        resize(405, 37);  // a 401 by 33 drawing area inside the border
    }
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        QFrame::paintEvent(event);
    }
};

}  // namespace

class QtDrawingSurfaceTest : public QObject {
    Q_OBJECT

  private slots:
    void arialIsLiberationSansOrArialItself() {
        Box box;
        QtDrawingSurface surface(box);
        const QString family = QFontInfo(surface.font()).family();
        QVERIFY2(family == "Arial" || family == "Liberation Sans", qPrintable(family));
        QCOMPARE(surface.font().pointSizeF(), 10.0);
    }

    void clsFillsTheInnerAreaWithTheBackground() {
        Box box;
        QtDrawingSurface surface(box);
        QVERIFY(!surface.hasDrawing());
        surface.SetCurrentX(30);
        surface.Cls();
        QVERIFY(surface.hasDrawing());
        QCOMPARE(surface.image().size(), QSize(401, 33));
        QVERIFY(InkIn(surface.image()).empty());
        QCOMPARE(surface.image().pixelColor(0, 0), kBackground);
        // Cls sends the pen home: the next character lands at the left edge.
        surface.Print(u"l");
        QVERIFY(InkIn(surface.image()).left <= 1);
    }

    // The red "a" of a colour tag: its ink starts in column 2, in red.
    void redCharacterStartsAtTheLeftMargin() {
        Box box;
        QtDrawingSurface surface(box);
        RenderMarkup(surface, u"<Font Color=#FF0000>a");
        const QImage& image = surface.image();
        QImage device(1, 1, QImage::Format_RGB32);
        const qreal bearing = QFontMetricsF(surface.font(), &device).leftBearing(QChar('a'));
        QVERIFY(bearing >= 0 && bearing < 1);  // so the ink begins in the origin's column
        const Ink ink = InkIn(image);
        QCOMPARE(ink.left, 2);
        QVERIFY(ink.top >= 0 && ink.bottom < 16);
        bool strong_red = false;
        for (int y = ink.top; y <= ink.bottom; ++y) {
            for (int x = ink.left; x <= ink.right; ++x) {
                const QColor c = image.pixelColor(x, y);
                strong_red |= c.red() >= 200 && c.green() <= 10 && c.blue() <= 10;
                // Edges blend red into the background, nothing else.
                QVERIFY(c.red() >= kBackground.red() && c.green() <= kBackground.green() &&
                        c.blue() <= kBackground.blue());
            }
        }
        QVERIFY(strong_red);
        QCOMPARE(surface.ScaleMode(), kScaleModeTwips);  // given back after drawing
    }

    // A character after "<sub>" sits one pixel lower, after "<sup>" one higher.
    void shiftedCharactersMoveByOnePixel() {
        Box box;
        QtDrawingSurface surface(box);
        // Spaces keep the two characters' ink apart.
        const QRect first(0, 0, 12, 33), second(12, 0, 40, 33);
        for (const auto& [markup, shift] :
             {std::pair{u"a   <sub>a", 1}, std::pair{u"a   <sup>a", -1}}) {
            RenderMarkup(surface, markup);
            const Ink plain = InkIn(surface.image(), first);
            const Ink moved = InkIn(surface.image(), second);
            QVERIFY(!plain.empty() && !moved.empty());
            QCOMPARE(moved.top, plain.top + shift);
            QCOMPARE(moved.bottom, plain.bottom + shift);
        }
    }

    // Print puts the text's top-left at (CurrentX, CurrentY) and fills nothing around it.
    void printPlacesTextByItsTopLeftAndLeavesTheBackground() {
        Box box;
        QtDrawingSurface surface(box);
        surface.SetScaleMode(kScaleModePixels);
        surface.Cls();
        surface.Print(u"a");
        const Ink home = InkIn(surface.image());
        const QImage before = surface.image();
        surface.Print(u" ");  // a space over the "a" must not wipe it
        QCOMPARE(surface.image(), before);

        surface.Cls();
        surface.SetCurrentX(10);
        surface.SetCurrentY(9);
        surface.Print(u"a");
        const Ink moved = InkIn(surface.image());
        QCOMPARE(moved.left, home.left + 10);
        QCOMPARE(moved.top, home.top + 9);
        QCOMPARE(moved.bottom, home.bottom + 9);
    }

    void twipsAreFifteenToThePixel() {
        Box box;
        QtDrawingSurface surface(box);
        QImage device(1, 1, QImage::Format_RGB32);
        const QFontMetricsF metrics(surface.font(), &device);
        surface.SetScaleMode(kScaleModePixels);
        QCOMPARE(surface.TextWidth(u"a"),
                 static_cast<float>(metrics.horizontalAdvance(QChar('a'))));
        QCOMPARE(surface.TextWidth(u"ab"), static_cast<float>(metrics.horizontalAdvance("ab")));
        const float pixels = surface.TextWidth(u"W");
        surface.SetScaleMode(kScaleModeTwips);
        QCOMPARE(surface.TextWidth(u"W"), pixels * 15);

        surface.Cls();
        surface.SetCurrentX(150);
        surface.Print(u"l");
        const Ink at_ten = InkIn(surface.image());
        surface.SetScaleMode(kScaleModePixels);
        surface.Cls();
        surface.SetCurrentX(10);
        surface.Print(u"l");
        QCOMPARE(InkIn(surface.image()).left, at_ten.left);
        QVERIFY(at_ten.left >= 10 && at_ten.left <= 11);
    }

    void glyphsOffTheSurfaceAreMeasuredButNotPainted() {
        Box box;
        QtDrawingSurface surface(box);
        surface.SetScaleMode(kScaleModePixels);
        surface.Cls();
        surface.SetCurrentX(398);
        surface.Print(u"W");  // straddles the right edge: partly painted
        QCOMPARE(InkIn(surface.image()).right, 400);
        surface.Cls();
        for (float x : {401.0f, 5000.0f, -40.0f}) {
            surface.SetCurrentX(x);
            surface.Print(u"W");
        }
        surface.SetCurrentX(0);
        surface.SetCurrentY(40);
        surface.Print(u"W");
        QVERIFY(InkIn(surface.image()).empty());
        QVERIFY(surface.TextWidth(u"W") > 5);
    }

    void imageFollowsTheWidgetAndKeepsTheDrawing() {
        Box box;
        QtDrawingSurface surface(box);
        RenderMarkup(surface, u"a");
        const Ink drawn = InkIn(surface.image());
        box.resize(605, 57);
        RenderMarkup(surface, u"<font color=#00FF00>");  // clears at the new size
        QCOMPARE(surface.image().size(), QSize(601, 53));
        surface.SetScaleMode(kScaleModePixels);
        surface.SetCurrentX(450);
        box.resize(505, 37);
        surface.Print(u"x");  // no Cls: the old drawing stays
        QCOMPARE(surface.image().size(), QSize(501, 33));
        RenderMarkup(surface, u"a");
        box.resize(705, 37);
        surface.SetScaleMode(kScaleModePixels);
        surface.SetCurrentX(650);
        surface.Print(u"x");
        const Ink kept = InkIn(surface.image(), QRect(0, 0, 100, 33));
        QCOMPARE(kept.left, drawn.left);
        QCOMPARE(kept.top, drawn.top);
        QVERIFY(!InkIn(surface.image(), QRect(640, 0, 60, 33)).empty());
    }

    // Each code unit is drawn alone: halves of a pair and lone marks must not break anything.
    void drawsSurrogateHalvesAndCombiningMarksAlone() {
        Box box;
        QtDrawingSurface surface(box);
        std::u16string markup = u"x\U0001F600\u0301?<b>?<i>\u200Fy";
        markup[4] = 0xD800;  // lone halves of a pair
        markup[8] = 0xDC00;
        RenderMarkup(surface, markup);
        const Ink ink = InkIn(surface.image());
        QCOMPARE(ink.left, 2);
        QVERIFY(ink.right > 20);
    }

    void drawingAsksTheWidgetToRepaint() {
        Box box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QtDrawingSurface surface(box);
        const int before = box.paints;
        RenderMarkup(surface, u"abc");
        QTRY_VERIFY(box.paints > before);
    }
};

}  // namespace hueloom

QTEST_MAIN(hueloom::QtDrawingSurfaceTest)
#include "qt_drawing_surface_test.moc"
