// The colour columns: each bar's handler repaints its column's swatch, and
// the grey slider paints the first four swatches and the text box grey.
#include "app/form1.h"
#include "host/error.h"
#include "host/packed_colour.h"

namespace hueloom {

void Form1::PaintSwatch(PictureBox& swatch, ScrollBar& red, ScrollBar& green, ScrollBar& blue) {
    const int r = red.Value();
    const int g = green.Value();
    const int b = blue.Value();
    swatch.SetBackColor(PackedColour(r, g, b));
}

void Form1::red1_Scroll() { PaintSwatch(Color1, red1, Green1, Blue1); }
void Form1::Green1_Scroll() { PaintSwatch(Color1, red1, Green1, Blue1); }
void Form1::Blue1_Scroll() { PaintSwatch(Color1, red1, Green1, Blue1); }
void Form1::red2_Scroll() { PaintSwatch(Color2, red2, Green2, Blue2); }
void Form1::Green2_Scroll() { PaintSwatch(Color2, red2, Green2, Blue2); }
void Form1::Blue2_Scroll() { PaintSwatch(Color2, red2, Green2, Blue2); }
void Form1::red3_Scroll() { PaintSwatch(Color3, red3, Green3, Blue3); }
void Form1::Green3_Scroll() { PaintSwatch(Color3, red3, Green3, Blue3); }
void Form1::Blue3_Scroll() { PaintSwatch(Color3, red3, Green3, Blue3); }
void Form1::red4_Scroll() { PaintSwatch(color4, red4, green4, blue4); }
void Form1::green4_Scroll() { PaintSwatch(color4, red4, green4, blue4); }
void Form1::blue4_Scroll() { PaintSwatch(color4, red4, green4, blue4); }
void Form1::red5_Scroll() { PaintSwatch(color5, red5, green5, blue5); }
void Form1::green5_Scroll() { PaintSwatch(color5, red5, green5, blue5); }
void Form1::blue5_Scroll() { PaintSwatch(color5, red5, green5, blue5); }
// Column 6's red bar repaints on Change, not while its thumb is dragged.
void Form1::red61_Change() { PaintSwatch(color6, red61, green6, blue6); }
void Form1::green6_Scroll() { PaintSwatch(color6, red61, green6, blue6); }
void Form1::blue6_Scroll() { PaintSwatch(color6, red61, green6, blue6); }
void Form1::red7_Scroll() { PaintSwatch(color7, red7, green7, blue7); }
void Form1::green7_Scroll() { PaintSwatch(color7, red7, green7, blue7); }
void Form1::blue7_Scroll() { PaintSwatch(color7, red7, green7, blue7); }
void Form1::red8_Scroll() { PaintSwatch(color8, red8, green8, blue8); }
void Form1::green8_Scroll() { PaintSwatch(color8, red8, green8, blue8); }
void Form1::blue8_Scroll() { PaintSwatch(color8, red8, green8, blue8); }
void Form1::red9_Scroll() { PaintSwatch(color9, red9, green9, blue9); }
void Form1::green9_Scroll() { PaintSwatch(color9, red9, green9, blue9); }
void Form1::blue9_Scroll() { PaintSwatch(color9, red9, green9, blue9); }
void Form1::red10_Scroll() { PaintSwatch(color10, red10, green10, blue10); }
void Form1::green10_Scroll() { PaintSwatch(color10, red10, green10, blue10); }
void Form1::blue10_Scroll() { PaintSwatch(color10, red10, green10, blue10); }

void Form1::Slider1_Scroll() {
    // The value is read afresh for every component of every target.
    const auto grey = [this] {
        const std::int16_t r = Integer16(Slider1.Value());
        const std::int16_t g = Integer16(Slider1.Value());
        const std::int16_t b = Integer16(Slider1.Value());
        return PackedColour(r, g, b);
    };
    Color1.SetBackColor(grey());
    Color2.SetBackColor(grey());
    Color3.SetBackColor(grey());
    color4.SetBackColor(grey());
    Text1.SetBackColor(grey());
}

}  // namespace hueloom
