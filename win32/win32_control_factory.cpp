// Builds a form's window and controls as native Win32 windows.
#include "win32/win32_control_factory.h"

#include <stdexcept>
#include <utility>

#include "win32/win32_command_button.h"
#include "win32/win32_form_window.h"
#include "win32/win32_messages.h"
#include "win32/win32_option_button.h"
#include "win32/win32_picture_box.h"
#include "win32/win32_scroll_bar.h"
#include "win32/win32_slider.h"
#include "win32/win32_text_box.h"

namespace hueloom {

Win32ControlFactory::Win32ControlFactory() = default;

Win32ControlFactory::~Win32ControlFactory() = default;

FormWindow& Win32ControlFactory::NewFormWindow(const FormDesign& design, FormEvents& events) {
    window_ = std::make_unique<Win32FormWindow>(design, events);
    made_.SetWindow(window_->handle());
    return *window_;
}

// Inside a picture box, places count from within its border: its client area.
ChildPlace Win32ControlFactory::PlaceFor(const ControlDesign& design) {
    if (!window_) throw std::logic_error("controls come after their window");
    return window_->PlaceFor(design, made_.Container(design), design.controlId);
}

void Win32ControlFactory::Made(const ControlDesign& design, Win32Control& control, bool focusable) {
    control.Describe(design);
    made_.Add(design.name, control.handle(), focusable);
}

ScrollBar& Win32ControlFactory::NewScrollBar(const ControlDesign& design, NotificationSink sink) {
    auto& bar = window_->Keep(std::make_unique<Win32ScrollBar>(
                                  design, std::move(sink), PlaceFor(design), window_->tooltips()),
                              design);
    Made(design, bar);
    return bar;
}

Slider& Win32ControlFactory::NewSlider(const ControlDesign& design, NotificationSink sink) {
    auto& slider =
        window_->Keep(std::make_unique<Win32Slider>(design, std::move(sink), PlaceFor(design),
                                                    window_->tooltips()),
                      design);
    Made(design, slider);
    return slider;
}

TextBox& Win32ControlFactory::NewTextBox(const ControlDesign& design, NotificationSink sink) {
    auto& box =
        window_->Keep(std::make_unique<Win32TextBox>(std::move(sink), PlaceFor(design)), design);
    Made(design, box);
    return box;
}

PictureBox& Win32ControlFactory::NewPictureBox(const ControlDesign& design) {
    auto& box = window_->Keep(std::make_unique<Win32PictureBox>(
                                  PlaceFor(design), window_->tooltips(), design.accessibleValue),
                              design);
    Made(design, box);
    return box;
}

OptionButton& Win32ControlFactory::NewOptionButton(const ControlDesign& design) {
    // The design's options are the window's one exclusive group.
    const bool first = !std::exchange(optionGroupStarted_, true);
    auto& option =
        window_->Keep(std::make_unique<Win32OptionButton>(std::u16string(design.caption), first,
                                                          design.selected, PlaceFor(design)),
                      design);
    Made(design, option);
    return option;
}

void Win32ControlFactory::NewCommandButton(const ControlDesign& design, NotificationSink sink) {
    auto& button =
        window_->Keep(std::make_unique<Win32CommandButton>(std::u16string(design.caption),
                                                           std::move(sink), PlaceFor(design)),
                      design);
    Made(design, button);
}

void Win32ControlFactory::NewLabel(const ControlDesign& design) {
    const std::u16string caption(design.caption);
    // A label has nothing to handle: the plain control is all it needs.
    auto& label = window_->Keep(
        std::make_unique<Win32Control>(CreateChild(L"Static", win32::Wide(caption),
                                                   SS_LEFT | SS_NOPREFIX, 0, PlaceFor(design))),
        design);
    Made(design, label, false);  // a label never takes the focus
}

void Win32ControlFactory::SetTabOrder(std::span<const std::string_view> names) {
    window_->SetTabOrder(made_.TabOrder(names));
}

}  // namespace hueloom
