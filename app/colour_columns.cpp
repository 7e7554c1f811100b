// The colour columns: a bar's notification repaints its column's swatch, and
// the grey slider paints the first four swatches and the text box grey.
#include "app/form1.h"
#include "host/error.h"
#include "host/packed_colour.h"

namespace hueloom {

void Form1::ColumnUpdate(const ColourColumn& column) {
    const int r = column.red.Value();
    const int g = column.green.Value();
    const int b = column.blue.Value();
    column.swatch.SetBackColor(PackedColour(r, g, b));
}

void Form1::Slider1_Scroll() {
    // The value is read afresh for every component of every target.
    const auto grey = [this] {
        const std::int16_t r = Integer16(Slider1.Value());
        const std::int16_t g = Integer16(Slider1.Value());
        const std::int16_t b = Integer16(Slider1.Value());
        return PackedColour(r, g, b);
    };
    for (std::size_t k = 0; k < 4; ++k) columns_[k].swatch.SetBackColor(grey());
    Text1.SetBackColor(grey());
}

}  // namespace hueloom
