// Which notification of which control runs which handler of Form1.
#include "app/handler_scope.h"

namespace hueloom {
namespace {

using enum Notification;

struct Wiring {
    std::string_view control;
    Notification notification;
    void (Form1::*handler)();
};

// Besides the colour columns' bars, which the design's column table wires.
const Wiring kWiring[] = {
    {"Slider1", kScroll, &Form1::Slider1_Scroll},
    {"Text1", kChange, &Form1::Text1_Change},
    {"Command1", kClick, &Form1::Command1_Click},
};

}  // namespace

NotificationSink Form1::SinkFor(std::string_view control) {
    // A bar runs the column handler for its column on the one notification
    // the column's design names for it.
    for (std::size_t k = 0; k < kColumnCount; ++k) {
        const ColumnDesign& column = Form1Columns()[k];
        for (std::size_t c = 0; c < column.bars.size(); ++c) {
            if (column.bars[c] != control) continue;
            return [this, k, repaintOn = column.repaintOn[c]](Notification notification) {
                if (notification == repaintOn) Run([this, k] { ColumnUpdate(columns_[k]); });
            };
        }
    }
    for (const Wiring& wiring : kWiring) {
        if (wiring.control != control) continue;
        return [this, wiring](Notification notification) {
            if (notification != wiring.notification) return;
            Run([this, handler = wiring.handler] { (this->*handler)(); },
                wiring.handler == &Form1::Command1_Click);
        };
    }
    return {};
}

}  // namespace hueloom
