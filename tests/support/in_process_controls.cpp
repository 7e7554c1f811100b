// The in-process toolkit's window and controls.
#include "support/in_process_controls.h"

#include <utility>

namespace hueloom {
namespace {

std::string Entry(const ControlDesign& design, std::string_view what) {
    return std::string(design.name) + "." + std::string(what);
}

const char* TrueFalse(bool value) { return value ? "True" : "False"; }

void Raise(const NotificationSink& sink, Notification notification) {
    if (sink) sink(notification);
}

void Raise(const NotificationSink& sink, std::optional<Notification> notification) {
    if (notification) Raise(sink, *notification);
}

}  // namespace

InProcessValue::InProcessValue(const ControlDesign& design, NotificationSink sink, ControlLog& log)
    : design_(design), sink_(std::move(sink)), log_(log), value_(design.min) {}

int InProcessValue::LoggedValue() {
    log_.push_back(Entry(design_, "Value"));
    return value_;
}

void InProcessScrollBar::Drag(int to) {
    drag_.Press(value_);
    const int before = std::exchange(value_, to);
    Raise(sink_, drag_.Moved(before, to));
}

void InProcessScrollBar::EndDrag() { Raise(sink_, drag_.Released(value_)); }

void InProcessScrollBar::Move(int to) {
    const int before = std::exchange(value_, to);
    Raise(sink_, drag_.Moved(before, to));
}

void InProcessSlider::Move(int to) {
    // Every user move of a slider is a Scroll.
    const int before = std::exchange(value_, to);
    if (before != to) Raise(sink_, Notification::kScroll);
}

InProcessOptionButton::InProcessOptionButton(const ControlDesign& design, ControlLog& log)
    : design_(design), log_(log), value_(design.selected) {}

bool InProcessOptionButton::Value() {
    log_.push_back(Entry(design_, "Value"));
    return value_;
}

InProcessTextBox::InProcessTextBox(const ControlDesign& design, NotificationSink sink,
                                   ControlLog& log)
    : design_(design), sink_(std::move(sink)), log_(log) {}

std::u16string InProcessTextBox::Text() {
    log_.push_back(Entry(design_, "Text"));
    return text_;
}

void InProcessTextBox::SetBackColor(std::int32_t colour) {
    log_.push_back(Entry(design_, "BackColor=" + std::to_string(colour)));
    backColor_ = colour;
}

void InProcessTextBox::SetText(std::u16string text) {
    if (text == text_) return;
    text_ = std::move(text);
    Raise(sink_, Notification::kChange);
}

void InProcessTextBox::Type(std::u16string_view characters) {
    for (char16_t c : characters) SetText(text_ + c);
}

InProcessPictureBox::InProcessPictureBox(const ControlDesign& design, ControlLog& log)
    : design_(design), log_(log) {}

void InProcessPictureBox::SetBackColor(std::int32_t colour) {
    log_.push_back(Entry(design_, "BackColor=" + std::to_string(colour)));
    backColor_ = colour;
}

void InProcessPictureBox::SetEnabled(bool enabled) {
    log_.push_back(Entry(design_, std::string("Enabled=") + TrueFalse(enabled)));
    enabled_ = enabled;
}

InProcessFormWindow::InProcessFormWindow(const FormDesign& design, FormEvents& events, Hwnd handle)
    : design_(design), rules_(events), handle_(handle) {}

void InProcessFormWindow::Show() {
    if (!rules_.MayShow()) return;
    shown_ = true;
    // No event loop here: the queued Activate comes round at once.
    if (rules_.Shown()) rules_.RunQueuedActivate();
}

void InProcessFormWindow::UserClose() {
    if (rules_.MayShow() && rules_.CloseAsked()) rules_.CloseForGood();
}

InProcessControls::InProcessControls(Hwnd window) : handle_(window) {}

InProcessControls::~InProcessControls() = default;

FormWindow& InProcessControls::NewFormWindow(const FormDesign& design, FormEvents& events) {
    window_ = std::make_unique<InProcessFormWindow>(design, events, handle_);
    return *window_;
}

ScrollBar& InProcessControls::NewScrollBar(const ControlDesign& design, NotificationSink sink) {
    made_.emplace_back(design.name);
    auto& bar = scrollBars_[std::string(design.name)];
    bar = std::make_unique<InProcessScrollBar>(design, std::move(sink), log_);
    return *bar;
}

Slider& InProcessControls::NewSlider(const ControlDesign& design, NotificationSink sink) {
    made_.emplace_back(design.name);
    auto& slider = sliders_[std::string(design.name)];
    slider = std::make_unique<InProcessSlider>(design, std::move(sink), log_);
    return *slider;
}

TextBox& InProcessControls::NewTextBox(const ControlDesign& design, NotificationSink sink) {
    made_.emplace_back(design.name);
    auto& box = textBoxes_[std::string(design.name)];
    box = std::make_unique<InProcessTextBox>(design, std::move(sink), log_);
    return *box;
}

PictureBox& InProcessControls::NewPictureBox(const ControlDesign& design) {
    made_.emplace_back(design.name);
    auto& box = pictureBoxes_[std::string(design.name)];
    box = std::make_unique<InProcessPictureBox>(design, log_);
    return *box;
}

OptionButton& InProcessControls::NewOptionButton(const ControlDesign& design) {
    made_.emplace_back(design.name);
    auto& option = optionButtons_[std::string(design.name)];
    option = std::make_unique<InProcessOptionButton>(design, log_);
    return *option;
}

void InProcessControls::NewCommandButton(const ControlDesign& design, NotificationSink sink) {
    made_.emplace_back(design.name);
    buttons_[std::string(design.name)] = std::move(sink);
}

void InProcessControls::NewLabel(const ControlDesign& design) { made_.emplace_back(design.name); }

void InProcessControls::SetTabOrder(std::span<const std::string_view> names) {
    tabOrder_.assign(names.begin(), names.end());
}

void InProcessControls::Select(const std::string& option) {
    for (auto& [name, button] : optionButtons_) button->SetValue(name == option);
}

void InProcessControls::Click(const std::string& button) {
    Raise(buttons_.at(button), Notification::kClick);
}

}  // namespace hueloom
