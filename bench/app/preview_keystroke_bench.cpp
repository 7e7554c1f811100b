// Keystroke to finished preview: a key typed into Text1 until the faded line
// is drawn in Picture1 and painted, for a short line and the longest one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <limits>
#include <memory>
#include <optional>

#include "fade/fade.h"
#include "preview/render.h"
#include "qt/qt_form1.h"
#include "qt/qt_picture_box.h"
#include "qt/qt_toolkit.h"

namespace hueloom {
namespace {

QString LineOf(int length) {
    const QString words = QStringLiteral("The quick brown fox jumps over the lazy dog. ");
    QString line;
    while (line.size() < length) line += words;
    return line.left(length);
}

// Alternately types a character (the line reaches `length`) and deletes it,
// so every timed keystroke previews a line of length or length - 1 characters.
void KeystrokeToPreview(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0));
    QtToolkit toolkit;
    ScopedToolkit useToolkit(toolkit);
    const std::unique_ptr<QWidget> form(NewQtForm1());
    auto* text = form->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* preview = form->findChild<QWidget*>(QStringLiteral("Picture1"));
    form->show();
    text->setText(LineOf(length - 1));
    text->setFocus();
    text->end(false);
    QApplication::processEvents();
    bool typeNext = true;
    for (auto _ : state) {
        QTest::keyClick(text, typeNext ? Qt::Key_X : Qt::Key_Backspace);
        preview->repaint();
        typeNext = !typeNext;
    }
    if (text->text().size() < length - 1) state.SkipWithError("keystrokes were lost");
    state.counters["characters"] = length;
}

BENCHMARK(KeystrokeToPreview)->Arg(100)->Arg(32767)->Unit(benchmark::kMillisecond);

// The parts of one keystroke: the fade (second argument 1: with the Qt
// toolkit's yields, 0: with none), the drawing, and a bare text box taking the
// key and repainting, with no preview connected.
void PartFade(benchmark::State& state) {
    QtToolkit toolkit;
    std::optional<ScopedToolkit> useToolkit;
    if (state.range(1) != 0) useToolkit.emplace(toolkit);
    const std::u16string text = LineOf(static_cast<int>(state.range(0))).toStdU16String();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FadeTen(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17,
                                         18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, text,
                                         true));
    }
}
BENCHMARK(PartFade)->ArgsProduct({{100, 32767}, {0, 1}})->Unit(benchmark::kMillisecond);

void PartRender(benchmark::State& state) {
    const std::unique_ptr<QWidget> form(NewQtForm1());
    auto* preview = form->findChild<QtPictureBox*>(QStringLiteral("Picture1"));
    form->show();
    const std::u16string markup = FadeTen(
        1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
        26, 27, 28, 29, 30, LineOf(static_cast<int>(state.range(0))).toStdU16String(), true);
    for (auto _ : state) {
        RenderMarkup(preview->Surface(), markup);
        preview->repaint();
    }
}
BENCHMARK(PartRender)->Arg(100)->Arg(32767)->Unit(benchmark::kMillisecond);

void PartTextBox(benchmark::State& state) {
    const int length = static_cast<int>(state.range(0));
    QLineEdit box;
    box.setMaxLength(std::numeric_limits<int>::max());
    box.show();
    box.setText(LineOf(length - 1));
    box.end(false);
    QApplication::processEvents();
    bool typeNext = true;
    for (auto _ : state) {
        QTest::keyClick(&box, typeNext ? Qt::Key_X : Qt::Key_Backspace);
        box.repaint();
        typeNext = !typeNext;
    }
}
BENCHMARK(PartTextBox)->Arg(100)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hueloom

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
