// Builds a form's window and controls as native Win32 windows.
#include "host/win32/win32_control_factory.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "host/win32/win32_command_button.h"
#include "host/win32/win32_form_window.h"
#include "host/win32/win32_messages.h"
#include "host/win32/win32_option_button.h"
#include "host/win32/win32_picture_box.h"
#include "host/win32/win32_scroll_bar.h"
#include "host/win32/win32_slider.h"
#include "host/win32/win32_text_box.h"

namespace hueloom {
namespace {

constexpr int kFirstBar = 101;
constexpr int kFirstSwatch = 201;

constexpr std::array<std::pair<std::string_view, int>, 9> kFixedIdentifiers{{
    {"Slider1", 301},
    {"Text1", 302},
    {"Picture1", 303},
    {"Command1", 304},
    {"Label1", 305},
    {"fade3", 306},
    {"fade4", 307},
    {"fade5", 308},
    {"fade10", 309},
}};

}  // namespace

int ControlIdentifiers::Next(const ControlDesign& design) {
    for (const auto& [name, id] : kFixedIdentifiers) {
        if (name == design.name) return id;
    }
    if (design.kind == ControlKind::kScrollBar) return kFirstBar + bars_++;
    if (design.kind == ControlKind::kPictureBox && design.container.empty()) {
        return kFirstSwatch + swatches_++;
    }
    return 0;
}

Win32ControlFactory::Win32ControlFactory() = default;

Win32ControlFactory::~Win32ControlFactory() = default;

FormWindow& Win32ControlFactory::NewFormWindow(const FormDesign& design, FormEvents& events) {
    window_ = std::make_unique<Win32FormWindow>(design, events);
    return *window_;
}

HWND Win32ControlFactory::Container(const ControlDesign& design) const {
    if (!design.container.empty()) {
        const auto found = made_.find(design.container);
        if (found != made_.end()) return found->second;
    }
    return window_->handle();
}

// Inside a picture box, places count from within its border: its client area.
ChildPlace Win32ControlFactory::PlaceFor(const ControlDesign& design) {
    if (!window_) throw std::logic_error("controls come after their window");
    return window_->PlaceFor(design, Container(design), identifiers_.Next(design));
}

void Win32ControlFactory::Made(const ControlDesign& design, HWND child, bool focusable) {
    made_[design.name] = child;
    if (focusable) focusable_.insert(child);
}

ScrollBar& Win32ControlFactory::NewScrollBar(const ControlDesign& design, NotificationSink sink) {
    auto& bar = window_->Keep(std::make_unique<Win32ScrollBar>(
                                  design, std::move(sink), PlaceFor(design), window_->tooltips()),
                              design);
    Made(design, bar.handle());
    return bar;
}

Slider& Win32ControlFactory::NewSlider(const ControlDesign& design, NotificationSink sink) {
    auto& slider =
        window_->Keep(std::make_unique<Win32Slider>(design, std::move(sink), PlaceFor(design),
                                                    window_->tooltips()),
                      design);
    Made(design, slider.handle());
    return slider;
}

TextBox& Win32ControlFactory::NewTextBox(const ControlDesign& design, NotificationSink sink) {
    auto& box =
        window_->Keep(std::make_unique<Win32TextBox>(std::move(sink), PlaceFor(design)), design);
    Made(design, box.handle());
    return box;
}

PictureBox& Win32ControlFactory::NewPictureBox(const ControlDesign& design) {
    auto& box = window_->Keep(
        std::make_unique<Win32PictureBox>(PlaceFor(design), window_->tooltips()), design);
    Made(design, box.handle());
    return box;
}

OptionButton& Win32ControlFactory::NewOptionButton(const ControlDesign& design) {
    // The design's options are the window's one exclusive group.
    const bool first = !std::exchange(optionGroupStarted_, true);
    auto& option =
        window_->Keep(std::make_unique<Win32OptionButton>(std::u16string(design.caption), first,
                                                          design.selected, PlaceFor(design)),
                      design);
    Made(design, option.handle());
    return option;
}

void Win32ControlFactory::NewCommandButton(const ControlDesign& design, NotificationSink sink) {
    auto& button =
        window_->Keep(std::make_unique<Win32CommandButton>(std::u16string(design.caption),
                                                           std::move(sink), PlaceFor(design)),
                      design);
    Made(design, button.handle());
}

void Win32ControlFactory::NewLabel(const ControlDesign& design) {
    const std::u16string caption(design.caption);
    const HWND label =
        CreateChild(L"Static", win32::Wide(caption), SS_LEFT | SS_NOPREFIX, 0, PlaceFor(design));
    window_->KeepPlain(label, design);
    Made(design, label, false);  // a label never takes the focus
}

void Win32ControlFactory::SetTabOrder(std::span<const std::string_view> names) {
    std::vector<HWND> order;
    for (std::string_view name : names) {
        const auto found = made_.find(name);
        if (found != made_.end() && focusable_.contains(found->second)) {
            order.push_back(found->second);
        }
    }
    window_->SetTabOrder(std::move(order));
}

}  // namespace hueloom
