// Send: fades the typed line with the chosen fade size and the columns'
// colours and hands it to the chat link.
#include "app/column_fade.h"
#include "app/form1.h"
#include "chatlink/chatlink.h"
#include "host/error.h"

namespace hueloom {

void Form1::Command1_Click() {
    if (IsUnloading()) return;
    // Four separate tests, not a chain: each reads its option afresh.
    if (fade10.Value() && !SendFaded(10)) return;
    if (fade5.Value() && !SendFaded(5)) return;
    if (fade4.Value() && !SendFaded(4)) return;
    if (fade3.Value()) SendFaded(3);
}

bool Form1::SendFaded(int columns) {
    if (columns < 10) DisableSwatchesDownTo(columns + 1);
    const std::vector<Component> stops = ReadStops(columns);
    const std::u16string text = Text1.Text();
    const std::u16string line = FadeColumns(stops, text, false);
    if (IsUnloading()) return false;
    SendChatLine(line);
    return !IsUnloading();
}

std::vector<Component> Form1::ReadStops(int columns) {
    const std::array<ScrollBar*, 30> bars = Bars();
    std::vector<Component> stops;
    stops.reserve(static_cast<std::size_t>(3 * columns));
    for (int i = 0; i < 3 * columns; ++i) {
        stops.push_back(Integer16(bars[static_cast<std::size_t>(i)]->Value()));
    }
    return stops;
}

void Form1::DisableSwatchesDownTo(int column) {
    const std::array<PictureBox*, 10> swatches = Swatches();
    for (int k = 10; k >= column; --k) swatches[static_cast<std::size_t>(k - 1)]->SetEnabled(false);
}

}  // namespace hueloom
