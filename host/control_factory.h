// What a front end provides to build a form: its window and each kind of
// control, made from the design and reporting to the given sink.
#pragma once

#include <span>
#include <string_view>

#include "host/control_design.h"
#include "host/controls.h"

namespace hueloom {

// The front end owns what it makes; the references stay valid as long as the window.
class ControlFactory {
  public:
    virtual ~ControlFactory() = default;

    virtual FormWindow& NewFormWindow(const FormDesign& design, FormEvents& events) = 0;
    virtual ScrollBar& NewScrollBar(const ControlDesign& design, NotificationSink sink) = 0;
    virtual Slider& NewSlider(const ControlDesign& design, NotificationSink sink) = 0;
    virtual TextBox& NewTextBox(const ControlDesign& design, NotificationSink sink) = 0;
    virtual PictureBox& NewPictureBox(const ControlDesign& design) = 0;
    virtual OptionButton& NewOptionButton(const ControlDesign& design) = 0;
    virtual void NewCommandButton(const ControlDesign& design, NotificationSink sink) = 0;
    virtual void NewLabel(const ControlDesign& design) = 0;
    // Keyboard order, first to last; the first takes the focus when the window opens.
    virtual void SetTabOrder(std::span<const std::string_view> names) = 0;
};

}  // namespace hueloom
