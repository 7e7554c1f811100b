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
    std::vector<Component> stops;
    stops.reserve(static_cast<std::size_t>(3 * columns));
    for (const ColourColumn& column :
         std::span(columns_).first(static_cast<std::size_t>(columns))) {
        stops.push_back(Integer16(column.red.Value()));
        stops.push_back(Integer16(column.green.Value()));
        stops.push_back(Integer16(column.blue.Value()));
    }
    return stops;
}

void Form1::DisableSwatchesDownTo(int column) {
    for (int k = static_cast<int>(kColumnCount); k >= column; --k) {
        columns_[static_cast<std::size_t>(k - 1)].swatch.SetEnabled(false);
    }
}

}  // namespace hueloom
