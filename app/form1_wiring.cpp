// Which notification of which control runs which handler of Form1.
#include <array>

#include "app/form1.h"

namespace hueloom {
namespace {

using enum Notification;

struct Wiring {
    std::string_view control;
    Notification notification;
    void (Form1::*handler)();
};

// Every bar is wired to exactly one notification; column 6's red bar to Change.
const Wiring kWiring[] = {
    {"red1", kScroll, &Form1::red1_Scroll},       {"Green1", kScroll, &Form1::Green1_Scroll},
    {"Blue1", kScroll, &Form1::Blue1_Scroll},     {"red2", kScroll, &Form1::red2_Scroll},
    {"Green2", kScroll, &Form1::Green2_Scroll},   {"Blue2", kScroll, &Form1::Blue2_Scroll},
    {"red3", kScroll, &Form1::red3_Scroll},       {"Green3", kScroll, &Form1::Green3_Scroll},
    {"Blue3", kScroll, &Form1::Blue3_Scroll},     {"red4", kScroll, &Form1::red4_Scroll},
    {"green4", kScroll, &Form1::green4_Scroll},   {"blue4", kScroll, &Form1::blue4_Scroll},
    {"red5", kScroll, &Form1::red5_Scroll},       {"green5", kScroll, &Form1::green5_Scroll},
    {"blue5", kScroll, &Form1::blue5_Scroll},     {"red61", kChange, &Form1::red61_Change},
    {"green6", kScroll, &Form1::green6_Scroll},   {"blue6", kScroll, &Form1::blue6_Scroll},
    {"red7", kScroll, &Form1::red7_Scroll},       {"green7", kScroll, &Form1::green7_Scroll},
    {"blue7", kScroll, &Form1::blue7_Scroll},     {"red8", kScroll, &Form1::red8_Scroll},
    {"green8", kScroll, &Form1::green8_Scroll},   {"blue8", kScroll, &Form1::blue8_Scroll},
    {"red9", kScroll, &Form1::red9_Scroll},       {"green9", kScroll, &Form1::green9_Scroll},
    {"blue9", kScroll, &Form1::blue9_Scroll},     {"red10", kScroll, &Form1::red10_Scroll},
    {"green10", kScroll, &Form1::green10_Scroll}, {"blue10", kScroll, &Form1::blue10_Scroll},
    {"Slider1", kScroll, &Form1::Slider1_Scroll}, {"Text1", kChange, &Form1::Text1_Change},
    {"Command1", kClick, &Form1::Command1_Click},
};

}  // namespace

NotificationSink Form1::SinkFor(std::string_view control) {
    // Indexed by notification: the handler wired to it, or none.
    std::array<Handler, 3> handlers{};
    bool wired = false;
    for (const Wiring& wiring : kWiring) {
        if (wiring.control != control) continue;
        handlers[static_cast<std::size_t>(wiring.notification)] = wiring.handler;
        wired = true;
    }
    if (!wired) return {};
    return [this, handlers](Notification notification) {
        const Handler handler = handlers[static_cast<std::size_t>(notification)];
        if (handler != nullptr) Run(handler);
    };
}

}  // namespace hueloom
