// Builds a form's window and controls as native Win32 windows, each with the
// control identifier the front end gives its design name.
#pragma once

#include <memory>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "host/control_factory.h"
#include "host/win32/win32_control.h"

namespace hueloom {

class Win32FormWindow;

// The identifiers the window's children carry (what GetDlgItem finds): the
// bars 101 on and the swatches 201 on in design order, the rest from a table;
// a picture box inside another has none.
class ControlIdentifiers {
  public:
    int Next(const ControlDesign& design);

  private:
    int bars_ = 0;
    int swatches_ = 0;
};

class Win32ControlFactory final : public ControlFactory {
  public:
    Win32ControlFactory();
    // Destroys the window when it was never handed over (the build failed).
    ~Win32ControlFactory() override;

    FormWindow& NewFormWindow(const FormDesign& design, FormEvents& events) override;
    ScrollBar& NewScrollBar(const ControlDesign& design, NotificationSink sink) override;
    Slider& NewSlider(const ControlDesign& design, NotificationSink sink) override;
    TextBox& NewTextBox(const ControlDesign& design, NotificationSink sink) override;
    PictureBox& NewPictureBox(const ControlDesign& design) override;
    OptionButton& NewOptionButton(const ControlDesign& design) override;
    void NewCommandButton(const ControlDesign& design, NotificationSink sink) override;
    void NewLabel(const ControlDesign& design) override;
    void SetTabOrder(std::span<const std::string_view> names) override;

    // The window made, now the caller's: it destroys itself once released.
    Win32FormWindow* TakeWindow() { return window_.release(); }

  private:
    // The design's container: the window, or the picture box it names.
    HWND Container(const ControlDesign& design) const;
    ChildPlace PlaceFor(const ControlDesign& design);
    void Made(const ControlDesign& design, HWND child, bool focusable = true);

    std::unique_ptr<Win32FormWindow> window_;
    ControlIdentifiers identifiers_;
    bool optionGroupStarted_ = false;
    std::unordered_map<std::string_view, HWND> made_;
    std::unordered_set<HWND> focusable_;
};

}  // namespace hueloom
