// Form1's design: the window, every control in its place, the colour columns
// and the tab order.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "host/control_design.h"
#include "host/controls.h"

namespace hueloom {

extern const FormDesign kForm1;

inline constexpr std::size_t kColumnCount = 10;

// A colour column: its swatch, its red, green and blue bar, and the one
// notification of each bar that repaints the swatch.
struct ColumnDesign {
    std::string_view swatch;
    std::array<std::string_view, 3> bars;
    std::array<Notification, 3> repaintOn;
};

// Column 1 first.
std::span<const ColumnDesign, kColumnCount> Form1Columns();

// In creation order: a picture box comes before the boxes it holds.
std::span<const ControlDesign> Form1Controls();

// First to last; the first has the focus when the window opens.
std::span<const std::string_view> Form1TabOrder();

// The design of the named control; null when there is none.
const ControlDesign* FindControl(std::string_view name);

}  // namespace hueloom
