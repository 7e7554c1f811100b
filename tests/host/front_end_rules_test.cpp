// The rules every front end follows alike: the drag rule, a form window's
// Activate once and closed for good, the containers and the tab order.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

#include "host/form_window_rules.h"
#include "host/made_controls.h"
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

}  // namespace
}  // namespace hueloom
