// Form1's design: the window, every control in its place, and the tab order.
#pragma once

#include <span>
#include <string_view>

#include "host/control_design.h"

namespace hueloom {

extern const FormDesign kForm1;

// In creation order: a picture box comes before the boxes it holds.
std::span<const ControlDesign> Form1Controls();

// First to last; the first has the focus when the window opens.
std::span<const std::string_view> Form1TabOrder();

// The design of the named control; null when there is none.
const ControlDesign* FindControl(std::string_view name);

}  // namespace hueloom
