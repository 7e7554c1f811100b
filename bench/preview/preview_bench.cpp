// Rendering the ten-stop fade of a short and a full-length line, on the Qt
// surface of the preview strip and on a surface that does nothing.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <string>

#include "fade/fade.h"
#include "preview/render.h"
#include "qt/qt_drawing_surface.h"

namespace {

using hueloom::DrawingSurface;

// The renderer's own cost: every operation happens, none does anything.
class NullSurface final : public DrawingSurface {
  public:
    std::int16_t ScaleMode() override { return mode_; }
    void SetScaleMode(std::int16_t mode) override { mode_ = mode; }
    void SetFontName(std::u16string_view) override {}
    void SetFontSize(float) override {}
    void SetFontBold(bool) override {}
    void SetFontItalic(bool) override {}
    void SetFontUnderline(bool) override {}
    void SetFontStrikethru(bool) override {}
    void SetAutoRedraw(bool) override {}
    void SetForeColor(std::int32_t colour) override { benchmark::DoNotOptimize(colour); }
    void Cls() override {}
    void SetCurrentX(float x) override { benchmark::DoNotOptimize(x); }
    void SetCurrentY(float y) override { benchmark::DoNotOptimize(y); }
    void Print(std::u16string_view text) override { benchmark::DoNotOptimize(text.data()); }
    float TextWidth(std::u16string_view text) override { return 7.25f * text.size(); }

  private:
    std::int16_t mode_ = hueloom::kScaleModeTwips;
};

std::u16string FadeTenMarkup(std::size_t characters) {
    static constexpr char16_t kLine[] = u"Hueloom fades a chat line over ten colour stops! ";
    std::u16string text(characters, u' ');
    for (std::size_t i = 0; i < characters; ++i) text[i] = kLine[i % (std::size(kLine) - 1)];
    return hueloom::FadeTen(255, 0, 0, 255, 128, 0, 255, 255, 0, 0, 200, 0, 0, 200, 200, 0, 0, 255,
                            128, 0, 255, 255, 0, 255, 90, 90, 90, 0, 0, 0, text, false);
}

void BM_RenderOnQtSurface(benchmark::State& state) {
    const std::u16string markup = FadeTenMarkup(static_cast<std::size_t>(state.range(0)));
    QWidget strip;  // the preview strip's drawing area
    strip.resize(401, 33);
    strip.show();
    hueloom::QtDrawingSurface surface(strip);
    for (auto _ : state) hueloom::RenderMarkup(surface, markup);
    QApplication::processEvents();
}

void BM_RenderOnNullSurface(benchmark::State& state) {
    const std::u16string markup = FadeTenMarkup(static_cast<std::size_t>(state.range(0)));
    NullSurface surface;
    for (auto _ : state) hueloom::RenderMarkup(surface, markup);
}

// The line-break pre-pass and the scan over a megabyte of carriage returns.
void BM_RenderCarriageReturns(benchmark::State& state) {
    const std::u16string markup(static_cast<std::size_t>(state.range(0)), u'\r');
    NullSurface surface;
    for (auto _ : state) hueloom::RenderMarkup(surface, markup);
}

BENCHMARK(BM_RenderOnQtSurface)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderOnQtSurface)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderOnNullSurface)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenderOnNullSurface)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderCarriageReturns)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
