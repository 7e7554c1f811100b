// The rules every front end follows alike: the drag rule, a form window's
// Activate once and closed for good, the containers and the tab order, and
// where a drawing surface's pen may draw, and what a picture box tells a
// screen reader.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "host/control_help.h"
#include "host/form_window_rules.h"
#include "host/made_controls.h"
#include "host/pen_place.h"
#include "host/scroll_drag.h"

namespace hueloom {
namespace {

using enum Notification;
using Raised = std::optional<Notification>;

TEST(ScrollDrag, ScrollWhileDraggedChangeOnceAtTheEndJudgedFromTheStart) {
    ScrollDrag drag;
    EXPECT_EQ(drag.Moved(0, 3), Raised(kChange));  // arrows, track, keyboard, code
    EXPECT_EQ(drag.Moved(3, 3), std::nullopt);
    EXPECT_EQ(drag.Released(3), std::nullopt);  // no drag was begun

    drag.Press(3);
    EXPECT_EQ(drag.Moved(3, 9), Raised(kScroll));
    drag.Press(9);  // taken again mid-drag: the drag still began at 3
    EXPECT_EQ(drag.Moved(9, 12), Raised(kScroll));
    EXPECT_EQ(drag.Released(12), Raised(kChange));
    EXPECT_FALSE(drag.dragging());

    drag.Press(12);
    EXPECT_EQ(drag.Moved(12, 40), Raised(kScroll));
    EXPECT_EQ(drag.Moved(40, 12), Raised(kScroll));
    EXPECT_EQ(drag.Released(12), std::nullopt);  // back where it began
    EXPECT_EQ(drag.Moved(12, 13), Raised(kChange));
}

struct Events : FormEvents {
    int activations = 0, closeRequests = 0;
    bool letClose = true;
    void Activate() override { ++activations; }
    bool CloseRequested() override {
        ++closeRequests;
        return letClose;
    }
};

TEST(FormWindowRules, ActivateOnceAndNothingOnceClosedForGood) {
    Events events;
    FormWindowRules rules(events);
    EXPECT_TRUE(rules.Shown());
    EXPECT_FALSE(rules.Shown());  // shown again: no second Activate
    rules.RunQueuedActivate();
    EXPECT_EQ(events.activations, 1);

    events.letClose = false;
    EXPECT_FALSE(rules.CloseAsked());
    EXPECT_EQ(events.closeRequests, 1);

    rules.CloseForGood();
    EXPECT_FALSE(rules.MayShow());
    EXPECT_TRUE(rules.CloseAsked());  // nothing left to ask
    EXPECT_EQ(events.closeRequests, 1);
    rules.RunQueuedActivate();
    EXPECT_EQ(events.activations, 1);
}

TEST(FormWindowRules, AWindowClosedBeforeItsFirstShowNeverActivates) {
    Events events;
    FormWindowRules rules(events);
    rules.CloseForGood();
    EXPECT_FALSE(rules.Shown());
    EXPECT_EQ(events.activations, 0);
}

TEST(MadeControls, ContainersAndTheTabOrderComeFromWhatWasMade) {
    MadeControls<int> made;
    made.SetWindow(1);
    made.Add("Color1", 10, true);
    made.Add("Label1", 11, false);
    made.Add("Text1", 12, true);
    EXPECT_EQ(made.Container(ControlDesign{.name = "Picture3", .container = "Color1"}), 10);
    EXPECT_EQ(made.Container(ControlDesign{.name = "Picture9", .container = "None"}), 1);
    EXPECT_EQ(made.Container(ControlDesign{.name = "Text1"}), 1);

    const std::string_view order[] = {"Text1", "Label1", "Missing", "Color1"};
    EXPECT_EQ(made.TabOrder(order), (std::vector<int>{12, 10}));
}

TEST(PenPlace, TwipsFollowTheDpiAndAPenOffTheMapStaysAFloat) {
    EXPECT_EQ(UnitsPerPixel(kScaleModeTwips, 96), 15.0);
    EXPECT_EQ(UnitsPerPixel(kScaleModeTwips, 144), 10.0);
    EXPECT_EQ(UnitsPerPixel(kScaleModePixels, 144), 1.0);
    EXPECT_EQ(UnitsPerPixel(0, 144), 1.0);
    EXPECT_EQ(PenPixels(150, 15.0), 10.0F);
    EXPECT_EQ(PenPixels(3.0e38F, 0.5), std::numeric_limits<float>::max());
    EXPECT_TRUE(std::isnan(PenPixels(std::numeric_limits<float>::quiet_NaN(), 15.0)));
}

TEST(PenPlace, InkReachesTheAreaWithAFontHeightOfSlackAndNeverFromNaN) {
    int widthAsked = 0;
    const auto width = [&] { return ++widthAsked, 30.0; };
    // A 200 x 40 area, a font 16 high.
    EXPECT_TRUE(InkCanReach(0, 0, 16, 200, 40, width));
    EXPECT_TRUE(InkCanReach(215, 55, 16, 200, 40, width));
    EXPECT_FALSE(InkCanReach(216, 0, 16, 200, 40, width));
    EXPECT_FALSE(InkCanReach(0, 56, 16, 200, 40, width));
    EXPECT_FALSE(InkCanReach(0, -32, 16, 200, 40, width));
    EXPECT_EQ(widthAsked, 0);  // only a pen left of the area measures
    EXPECT_TRUE(InkCanReach(-45, 0, 16, 200, 40, width));
    EXPECT_FALSE(InkCanReach(-46, 0, 16, 200, 40, width));
    EXPECT_EQ(widthAsked, 2);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double huge = std::numeric_limits<float>::max();
    const std::pair<double, double> offTheMap[] = {{nan, 0.0},  {0.0, nan},   {nan, nan},    {huge, 0.0},
                                                   {0.0, huge}, {-huge, 0.0}, {-1.0e6, 0.0}};
    for (const auto& [x, y] : offTheMap) {
        EXPECT_FALSE(InkCanReach(x, y, 16, 200, 40, [] { return 1.0e30; })) << x << ", " << y;
    }
}

TEST(PictureBoxValue, TheColourOrTheDrawnTextAsTheDesignSays) {
    const std::u16string drawn = u"Hello";
    const std::int32_t orange = 0x0080FF;  // red in the low byte
    EXPECT_EQ(PictureBoxValue(AccessibleValue::kColour, orange, &drawn), u"#FF8000");
    EXPECT_EQ(PictureBoxValue(AccessibleValue::kDrawnText, orange, &drawn), u"Hello");
    EXPECT_EQ(PictureBoxValue(AccessibleValue::kDrawnText, orange, nullptr), u"");
    EXPECT_EQ(PictureBoxValue(AccessibleValue::kNone, orange, &drawn), u"");
}

}  // namespace
}  // namespace hueloom
