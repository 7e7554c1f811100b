// The live preview: every change of the line redraws its faded markup in Picture1.
#include "app/column_fade.h"
#include "app/form1.h"
#include "preview/render.h"

namespace hueloom {

void Form1::Text1_Change() {
    if (IsUnloading()) return;
    if (fade10.Value() && !PreviewFaded(10, true)) return;
    if (fade5.Value() && !PreviewFaded(5, false)) return;
    if (fade4.Value() && !PreviewFaded(4, false)) return;
    if (fade3.Value()) PreviewFaded(3, false);
}

bool Form1::PreviewFaded(int columns, bool wavy) {
    const std::vector<Component> stops = ReadStops(columns);
    const std::u16string text = Text1.Text();
    const std::u16string markup = FadeColumns(stops, text, wavy);
    if (IsUnloading()) return false;
    RenderMarkup(Picture1.Surface(), markup);
    return !IsUnloading();
}

}  // namespace hueloom
