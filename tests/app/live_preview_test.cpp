// The live preview on the in-process toolkit: what it draws, when it draws,
// and what it says about a line too long to fade.
#include <gtest/gtest.h>

#include "form_fixture.h"
#include "host/packed_colour.h"

namespace hueloom::testing {
namespace {

std::vector<std::string>& PreviewOps(FormFixture& f) { return f.Box("Picture1").surface().ops; }

bool Has(const std::vector<std::string>& ops, const std::string& op) {
    return std::find(ops.begin(), ops.end(), op) != ops.end();
}

// One character gets column 2's colour and is drawn at (2, 0) in Arial 10.
TEST(LivePreview, TypingOneCharacterDrawsItInColumn2sColour) {
    FormFixture f;
    f.Bar("red2").Move(230);
    f.Bar("Green2").Move(20);
    f.Bar("Blue2").Move(10);
    f.Bar("red3").Move(255);  // unused by a one-character line
    f.Text1().Type(u"a");
    EXPECT_EQ(
        PreviewOps(f),
        (std::vector<std::string>{
            "ScaleMode?", "ScaleMode=3", "FontName=Arial", "FontSize=10", "FontBold=False",
            "FontItalic=False", "FontUnderline=False", "FontStrikethru=False", "AutoRedraw=True",
            "ForeColor=0", "Cls", "ForeColor=" + std::to_string(PackedColour(230, 20, 10)),
            "CurrentY=0", "CurrentX=2", "Print a", "TextWidth a", "ScaleMode=1"}));
    // Deleting the line clears the preview and draws nothing.
    PreviewOps(f).clear();
    f.Text1().SetText(u"");
    EXPECT_TRUE(Has(PreviewOps(f), "Cls"));
    EXPECT_FALSE(std::any_of(PreviewOps(f).begin(), PreviewOps(f).end(),
                             [](const std::string& op) { return op.starts_with("Print"); }));
}

// Bars and fade size take effect at the next change of the text, not before;
// no selection raises or lowers a character.
TEST(LivePreview, RedrawsOnlyWhenTheTextChanges) {
    FormFixture f;
    f.Text1().Type(u"Wavy");
    PreviewOps(f).clear();
    f.DragTo("red2", 255);
    f.controls.Select("fade4");
    f.controls.slider("Slider1").Move(9);
    EXPECT_TRUE(PreviewOps(f).empty());
    f.Text1().Type(u"!");
    EXPECT_TRUE(Has(PreviewOps(f), "ForeColor=255"));  // four stops, red2 at full
    for (const char* option : {"fade10", "fade5", "fade4", "fade3"}) {
        f.controls.Select(option);
        f.Text1().Type(u"x");
        for (const std::string& op : PreviewOps(f)) {
            if (op.starts_with("CurrentY")) {
                EXPECT_EQ(op, "CurrentY=0") << option;
            }
        }
    }
}

// Over 32767 characters: the strip says how long the line is and the longest
// that can be faded, for as long as it is too long; the text stays.
TEST(LivePreview, ALineTooLongToFadeIsToldInThePreviewStrip) {
    FormFixture f;
    f.Text1().SetText(std::u16string(32768, u'x'));
    EXPECT_EQ(PrintedText(PreviewOps(f)),
              "Too long to fade: this line has 32,768 characters."
              "The longest line that can be faded has 32,767.");
    EXPECT_TRUE(Has(PreviewOps(f), "CurrentY=16"));  // on two lines
    EXPECT_EQ(f.Text1().text().size(), 32768u);
    PreviewOps(f).clear();
    f.Text1().SetText(std::u16string(32767, u'x'));
    EXPECT_EQ(PrintedText(PreviewOps(f)), std::string(32767, 'x'));
}

}  // namespace
}  // namespace hueloom::testing
