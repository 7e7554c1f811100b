// Drawn text as a screen reader reads it: where the caret keys go, what
// changed between two texts, and where each drawn character lies.
#include "qt/drawn_text_accessible.h"

#include <QtTest>

namespace hueloom::testing {

class DrawnTextAccessibleTest : public QObject {
    Q_OBJECT

  private slots:
    void caretKeys_data() {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("control");
        QTest::addColumn<int>("expected");
        // "abcd\nef\nghij": lines start at 0, 5 and 8.
        QTest::newRow("down keeps the column") << 2 << int(Qt::Key_Down) << false << 7;
        QTest::newRow("down to a shorter line ends it") << 4 << int(Qt::Key_Down) << false << 7;
        QTest::newRow("down on the last line stays") << 9 << int(Qt::Key_Down) << false << 9;
        QTest::newRow("up keeps the column") << 9 << int(Qt::Key_Up) << false << 6;
        QTest::newRow("end") << 5 << int(Qt::Key_End) << false << 7;
        QTest::newRow("ctrl+end") << 5 << int(Qt::Key_End) << true << 12;
        QTest::newRow("right at the end stays") << 12 << int(Qt::Key_Right) << false << 12;
        QTest::newRow("beyond the text comes back") << 40 << int(Qt::Key_Left) << false << 11;
        QTest::newRow("not a caret key") << 3 << int(Qt::Key_A) << false << -1;
    }
    void caretKeys() {
        QFETCH(int, caret);
        QFETCH(int, key);
        QFETCH(bool, control);
        QCOMPARE(CaretAfterKey("abcd\nef\nghij", caret, key,
                               control ? Qt::ControlModifier : Qt::NoModifier),
                 [] { QFETCH(int, expected); return expected; }());
    }

    void onlyTheDifferenceIsAnnounced() {
        const TextChange typed = ChangeBetween("abc", "abxc");
        QCOMPARE(typed.position, 2);
        QCOMPARE(typed.removed, QString());
        QCOMPARE(typed.inserted, QString("x"));
        // The repeated letter is not counted twice.
        const TextChange shortened = ChangeBetween("aaa", "aa");
        QCOMPARE(shortened.position + shortened.removed.size(), 3);
        QCOMPARE(shortened.inserted, QString());
    }

    void aLineBreakGetsAnEmptyBoxWhereItsLineEnds() {
        DrawnText drawn;
        const float widths[] = {5, 7};
        drawn.Printed(u"a", 2, 0, 16, std::span(widths, 1));
        drawn.Printed(u"b", 7, 0, 16, std::span(widths + 1, 1));
        drawn.Printed(u"c", 2, 16, 16, std::span(widths, 1));
        QCOMPARE(QString::fromStdU16String(drawn.text()), QString("ab\nc"));
        QCOMPARE(drawn.boxes().size(), std::size_t(4));
        QCOMPARE(BoxAt(drawn.boxes(), 2, {}), QRect(14, 0, 0, 16));
        QCOMPARE(BoxAt(drawn.boxes(), 3, {10, 10}), QRect(12, 26, 5, 16));
        QCOMPARE(BoxAt(drawn.boxes(), 4, {}).left(), 7);  // the caret after the last
    }
};

}  // namespace hueloom::testing

QTEST_MAIN(hueloom::testing::DrawnTextAccessibleTest)
#include "drawn_text_accessible_test.moc"
