// A window's design as data: every control's kind, name, place, caption and
// start state, in twips, for any toolkit to build from.
#pragma once

#include <string>
#include <string_view>

namespace hueloom {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPixel = 15;  // on a 96-dpi display
// The design's pixels (the window's region among them) are pixels at this many dots per inch.
inline constexpr int kDesignDpi = kTwipsPerInch / kTwipsPerPixel;

// Rounds down, so a 96-dpi display gets exactly one pixel per 15 twips.
constexpr int TwipsToPixels(int twips, int dotsPerInch = kDesignDpi) {
    return twips * dotsPerInch / kTwipsPerInch;
}

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind {
    kPictureBox,
    kScrollBar,  // vertical
    kSlider,     // horizontal
    kTextBox,
    kCommandButton,
    kLabel,
    kOptionButton,
};

// What a screen reader announces as a control's value, besides its name.
enum class AccessibleValue {
    kNone,
    kPosition,   // a bar's or the slider's value, in decimal
    kColour,     // the colour the box shows, as #RRGGBB
    kDrawnText,  // what is drawn on the box, as plain text
};

struct ControlDesign {
    ControlKind kind = ControlKind::kLabel;
    std::string_view name;
    // Relative to the container's inner area: the window's client area or,
    // where container names a picture box, that box's.
    TwipsRect place = {};
    std::string_view container = {};
    std::u16string_view caption = {};
    // Scroll bars and sliders.
    int min = 0;
    int max = 0;
    int smallChange = 0;
    int largeChange = 0;
    bool selected = false;  // option buttons
    // The identifier the Windows program gives the control's window (what
    // GetDlgItem finds); 0 for none.
    int controlId = 0;
    // For screen readers: a name no other control of the window has, what
    // the control is for, and what its value is.
    std::u16string_view accessibleName = {};
    std::u16string_view accessibleDescription = {};
    AccessibleValue accessibleValue = AccessibleValue::kNone;
};

// A top-level window with a fixed border and a close box only.
struct FormDesign {
    std::string_view name;
    std::u16string_view caption;
    TwipsRect client;  // relative to the screen's top-left corner
};

}  // namespace hueloom
