// Form1's design: the window, every control in its place, the colour columns
// and the tab order.
#include "app/form1_design.h"

#include <algorithm>
#include <array>

#include "app/form_identity.h"

namespace hueloom {
namespace {

using enum ControlKind;

constexpr int kColumnPitch = 600;
constexpr int kSwatchSize = 615;
constexpr int kBarTop = 720;
constexpr int kBarWidth = 135;
constexpr int kBarHeight = 855;

// The Windows program's identifiers: the bars from 101 and the swatches from
// 201, column by column, and the rest of the window from 301.
constexpr int kFirstBarId = 101;
constexpr int kFirstSwatchId = 201;

// What a screen reader calls them: every name says which column and which
// colour it is, so that no two bars sound alike.
constexpr std::u16string_view kSwatchNames[] = {
    u"Colour 1 swatch", u"Colour 2 swatch", u"Colour 3 swatch", u"Colour 4 swatch",
    u"Colour 5 swatch", u"Colour 6 swatch", u"Colour 7 swatch", u"Colour 8 swatch",
    u"Colour 9 swatch", u"Colour 10 swatch"};
constexpr std::u16string_view kBarNames[][3] = {
    {u"Red, colour 1", u"Green, colour 1", u"Blue, colour 1"},
    {u"Red, colour 2", u"Green, colour 2", u"Blue, colour 2"},
    {u"Red, colour 3", u"Green, colour 3", u"Blue, colour 3"},
    {u"Red, colour 4", u"Green, colour 4", u"Blue, colour 4"},
    {u"Red, colour 5", u"Green, colour 5", u"Blue, colour 5"},
    {u"Red, colour 6", u"Green, colour 6", u"Blue, colour 6"},
    {u"Red, colour 7", u"Green, colour 7", u"Blue, colour 7"},
    {u"Red, colour 8", u"Green, colour 8", u"Blue, colour 8"},
    {u"Red, colour 9", u"Green, colour 9", u"Blue, colour 9"},
    {u"Red, colour 10", u"Green, colour 10", u"Blue, colour 10"}};

using enum Notification;

constexpr std::array kOnScroll = {kScroll, kScroll, kScroll};

// The columns by their design names; column 6's red bar repaints once its
// value has changed, not while its thumb is dragged.
constexpr ColumnDesign kColumns[kColumnCount] = {
    {"Color1", {"red1", "Green1", "Blue1"}, kOnScroll},
    {"Color2", {"red2", "Green2", "Blue2"}, kOnScroll},
    {"Color3", {"red3", "Green3", "Blue3"}, kOnScroll},
    {"color4", {"red4", "green4", "blue4"}, kOnScroll},
    {"color5", {"red5", "green5", "blue5"}, kOnScroll},
    {"color6", {"red61", "green6", "blue6"}, {kChange, kScroll, kScroll}},
    {"color7", {"red7", "green7", "blue7"}, kOnScroll},
    {"color8", {"red8", "green8", "blue8"}, kOnScroll},
    {"color9", {"red9", "green9", "blue9"}, kOnScroll},
    {"color10", {"red10", "green10", "blue10"}, kOnScroll},
};

// Column k's controls by name, k from 1.
constexpr std::string_view Swatch(int column) { return kColumns[column - 1].swatch; }
constexpr std::string_view Red(int column) { return kColumns[column - 1].bars[0]; }
constexpr std::string_view Green(int column) { return kColumns[column - 1].bars[1]; }
constexpr std::string_view Blue(int column) { return kColumns[column - 1].bars[2]; }

constexpr ControlDesign SwatchDesign(int column) {
    return {.kind = kPictureBox,
            .name = Swatch(column),
            .place = {kColumnPitch * (column - 1), 0, kSwatchSize, kSwatchSize},
            .controlId = kFirstSwatchId + column - 1,
            .accessibleName = kSwatchNames[column - 1],
            .accessibleDescription = u"The colour stop its column's three bars make",
            .accessibleValue = AccessibleValue::kColour};
}

// Component 1 red, 2 green, 3 blue; minimum 0 at the top, 255 at the bottom.
constexpr ControlDesign BarDesign(int column, int component) {
    const int left = kColumnPitch * (column - 1) + 120 * component;
    return {.kind = kScrollBar,
            .name = kColumns[column - 1].bars[component - 1],
            .place = {left, kBarTop, kBarWidth, kBarHeight},
            .min = 0,
            .max = 255,
            .smallChange = 1,
            .largeChange = 1,
            .controlId = kFirstBarId + 3 * (column - 1) + component - 1,
            .accessibleName = kBarNames[column - 1][component - 1],
            .accessibleDescription = u"One component of a colour stop, from 0 to 255",
            .accessibleValue = AccessibleValue::kPosition};
}

// A one-pixel box at the edge of a swatch; it does nothing, but takes the focus.
constexpr ControlDesign Edge(std::string_view name, TwipsRect place, std::string_view swatch,
                             std::u16string_view accessibleName) {
    return {.kind = kPictureBox,
            .name = name,
            .place = place,
            .container = swatch,
            .accessibleName = accessibleName,
            .accessibleDescription = u"A thin line at the edge of the swatch; it does nothing"};
}

constexpr ControlDesign Option(std::string_view name, std::u16string_view caption, int left,
                               int width, int id, std::u16string_view accessibleName,
                               bool selected = false) {
    return {.kind = kOptionButton,
            .name = name,
            .place = {left, 3000, width, 255},
            .caption = caption,
            .selected = selected,
            .controlId = id,
            .accessibleName = accessibleName,
            .accessibleDescription = u"How many colour stops the line fades over"};
}

// The window below and beside the colour columns.
// clang-format off
constexpr ControlDesign kRestOfWindow[]{
    // One pixel across, at or beyond the edge of the swatch that holds them; no identifier.
    Edge("Picture2", {600, 0, 15, 615}, Swatch(3), u"Colour 3 swatch edge"),
    Edge("Picture3", {0, 600, 615, 15}, Swatch(1), u"Colour 1 swatch edge"),
    Edge("Picture4", {600, 0, 15, 615}, Swatch(5), u"Colour 5 swatch edge"),
    ControlDesign{.kind = kSlider, .name = "Slider1", .place = {0, 1680, 6015, 255},
                  .min = 0, .max = 255, .smallChange = 1, .largeChange = 5, .controlId = 301,
                  .accessibleName = u"Grey",
                  .accessibleDescription = u"Paints the first four swatches and the text box "
                                           u"grey, from 0 to 255",
                  .accessibleValue = AccessibleValue::kPosition},
    ControlDesign{.kind = kTextBox, .name = "Text1", .place = {0, 2040, 6015, 285}, .controlId = 302,
                  .accessibleName = u"Line to fade",
                  .accessibleDescription = u"The line that Send fades and types into the chat"},
    ControlDesign{.kind = kPictureBox, .name = "Picture1", .place = {0, 2400, 6015, 495},
                  .controlId = 303, .accessibleName = u"Preview",
                  .accessibleDescription = u"The line as the chat will show it, faded",
                  .accessibleValue = AccessibleValue::kDrawnText},
    ControlDesign{.kind = kCommandButton, .name = "Command1", .place = {0, 3000, 855, 255},
                  .caption = u"Send", .controlId = 304, .accessibleName = u"Send",
                  .accessibleDescription = u"Fades the line and types it into the chat"},
    ControlDesign{.kind = kLabel, .name = "Label1", .place = {3480, 3000, 855, 255},
                  .caption = u"Fades", .controlId = 305, .accessibleName = u"Fades",
                  .accessibleDescription = u"Names the four fade sizes beside it"},
    Option("fade3", u"3", 4080, 375, 306, u"Fade over 3 stops"),
    Option("fade4", u"4", 4560, 375, 307, u"Fade over 4 stops"),
    Option("fade5", u"5", 5040, 495, 308, u"Fade over 5 stops"),
    Option("fade10", u"10", 5520, 495, 309, u"Fade over 10 stops", true),
};
// clang-format on

// Column by column, the swatch and then its red, green and blue bar; then the rest.
constexpr auto kControls = [] {
    std::array<ControlDesign, 4 * kColumnCount + std::size(kRestOfWindow)> controls{};
    auto next = controls.begin();
    for (int column = 1; column <= static_cast<int>(kColumnCount); ++column) {
        *next++ = SwatchDesign(column);
        for (int component = 1; component <= 3; ++component) *next++ = BarDesign(column, component);
    }
    std::copy(std::begin(kRestOfWindow), std::end(kRestOfWindow), next);
    return controls;
}();

// clang-format off
constexpr std::string_view kTabOrder[] = {
    Swatch(2),  Swatch(1),  Swatch(3), Blue(1),    Red(2),    Green(2),   Blue(2),    Red(3),
    Green(3),   Blue(3),    Green(1),  Red(1),     "Text1",   "Command1", "Picture1", "Slider1",
    "Picture2", Swatch(4),  Red(4),    Green(4),   Blue(4),   "Picture3", Swatch(5),  "Picture4",
    Swatch(6),  Swatch(7),  Swatch(8), Red(5),     Green(5),  Blue(5),    Red(6),     Green(6),
    Blue(6),    Red(7),     Green(7),  Blue(7),    Red(8),    Green(8),   Blue(8),    Swatch(9),
    Swatch(10), Red(9),     Green(9),  Blue(9),    Red(10),   Green(10),  Blue(10),   "fade3",
    "fade4",    "fade10",   "fade5",   "Label1"};
// clang-format on

}  // namespace

const FormDesign kForm1{"Form1", kFormCaptionUtf16, {2850, 2325, 6030, 3255}};

std::span<const ColumnDesign, kColumnCount> Form1Columns() { return kColumns; }

std::span<const ControlDesign> Form1Controls() { return kControls; }

std::span<const std::string_view> Form1TabOrder() { return kTabOrder; }

const ControlDesign* FindControl(std::string_view name) {
    const auto found = std::find_if(kControls.begin(), kControls.end(),
                                    [name](const ControlDesign& c) { return c.name == name; });
    return found != kControls.end() ? &*found : nullptr;
}

}  // namespace hueloom
