// The colour columns and the grey slider on the in-process toolkit.
#include <gtest/gtest.h>

#include "form_fixture.h"
#include "host/packed_colour.h"

namespace hueloom::testing {
namespace {

using Colour = std::optional<std::int32_t>;

// A drag repaints while it moves; arrows, keys and code do not.
TEST(ColourColumns, ADragRepaintsItsColumnOtherMovesDoNot) {
    FormFixture f;
    f.Bar("Green1").Drag(40);
    EXPECT_EQ(f.Box("Color1").backColor(), Colour(PackedColour(0, 40, 0)));
    f.Bar("Green1").Drag(60);
    EXPECT_EQ(f.Box("Color1").backColor(), Colour(PackedColour(0, 60, 0)));
    f.Bar("Green1").EndDrag();
    f.Bar("Green1").Move(63);
    f.Bar("Blue1").Move(9);
    EXPECT_EQ(f.Box("Color1").backColor(), Colour(PackedColour(0, 60, 0)));
    // The next drag in the column reads all three bars, red, green, blue.
    f.controls.log().clear();
    f.DragTo("red1", 5);
    EXPECT_EQ(f.Box("Color1").backColor(), Colour(PackedColour(5, 63, 9)));
    EXPECT_EQ(f.controls.log(),
              (ControlLog{"red1.Value", "Green1.Value", "Blue1.Value",
                          "Color1.BackColor=" + std::to_string(PackedColour(5, 63, 9))}));
    EXPECT_EQ(f.Box("Color2").backColor(), std::nullopt);  // no other column touched
}

// red61 repaints on Change only: arrows, keys and code at once, a drag at its end.
TEST(ColourColumns, Column6RedBarRepaintsOnChange) {
    FormFixture f;
    f.Bar("green6").Move(30);
    EXPECT_EQ(f.Box("color6").backColor(), std::nullopt);
    f.Bar("red61").Move(1);
    EXPECT_EQ(f.Box("color6").backColor(), Colour(PackedColour(1, 30, 0)));
    f.Bar("red61").Drag(100);
    EXPECT_EQ(f.Box("color6").backColor(), Colour(PackedColour(1, 30, 0)));
    f.Bar("red61").EndDrag();
    EXPECT_EQ(f.Box("color6").backColor(), Colour(PackedColour(100, 30, 0)));
    f.Bar("blue6").Drag(7);
    EXPECT_EQ(f.Box("color6").backColor(), Colour(PackedColour(100, 30, 7)));
}

// Fifteen reads, five grey targets in order; the bars and the other swatches stay.
TEST(ColourColumns, GreySliderPaintsTheFirstFourSwatchesAndTheTextBox) {
    FormFixture f;
    f.controls.slider("Slider1").Move(128);
    const std::string grey = std::to_string(PackedColour(128, 128, 128));
    ControlLog expected;
    for (const char* target : {"Color1", "Color2", "Color3", "color4", "Text1"}) {
        expected.insert(expected.end(), 3, "Slider1.Value");
        expected.push_back(std::string(target) + ".BackColor=" + grey);
    }
    EXPECT_EQ(f.controls.log(), expected);
    EXPECT_EQ(f.Box("color5").backColor(), std::nullopt);

    // A drag in column 2 repaints only Color2 from its bars, and Send uses the bars.
    f.DragTo("Blue2", 77);
    EXPECT_EQ(f.Box("Color2").backColor(), Colour(PackedColour(0, 0, 77)));
    EXPECT_EQ(f.Box("Color1").backColor(), Colour(PackedColour(128, 128, 128)));
    f.controls.Select("fade4");
    f.Text1().SetText(u"abc");
    f.Click();
    EXPECT_EQ(f.LinesSent(),
              (std::vector<std::string>{
                  "<Font Color=#00004D>a<Font Color=#000000>b<Font Color=#000000>c"}));
}

// A swatch that Send disabled is still repainted by its bars.
TEST(ColourColumns, ADisabledSwatchStillFollowsItsBars) {
    FormFixture f;
    f.controls.Select("fade3");
    f.Click();
    EXPECT_FALSE(f.Box("color10").enabled());
    f.DragTo("red10", 200);
    EXPECT_EQ(f.Box("color10").backColor(), Colour(PackedColour(200, 0, 0)));
}

// A value beyond 16 bits ends the grey update before it paints; the strip
// tells the overflow as it is, not as a line too long to fade.
TEST(ColourColumns, AnOverflowOutsideTheLineIsToldAsItIs) {
    FormFixture f;
    f.controls.slider("Slider1").Move(70000);
    EXPECT_EQ(f.Box("Color1").backColor(), std::nullopt);
    EXPECT_EQ(PrintedText(f.Box("Picture1").surface().ops), "Stopped by an error.Error: Overflow");
}

}  // namespace
}  // namespace hueloom::testing
