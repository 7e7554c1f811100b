// Building a form's controls from its design table through a front end.
#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "app/control_set.h"
#include "host/control_factory.h"

namespace hueloom {

// What each control reports to: the sink for its design name.
using SinkFor = std::function<NotificationSink(std::string_view control)>;

// Makes every control of the design in order, then sets the tab order.
ControlSet BuildControls(ControlFactory& factory, std::span<const ControlDesign> design,
                         std::span<const std::string_view> tabOrder, const SinkFor& sinkFor);

}  // namespace hueloom
