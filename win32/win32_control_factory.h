// Builds a form's window and controls as native Win32 windows, each with the
// control identifier its design gives it.
#pragma once

#include <memory>

#include "host/control_factory.h"
#include "host/made_controls.h"
#include "win32/win32_control.h"

namespace hueloom {

class Win32FormWindow;

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
    ChildPlace PlaceFor(const ControlDesign& design);
    // Described to screen readers, and known by name for the containers and the tab order.
    void Made(const ControlDesign& design, Win32Control& control, bool focusable = true);

    std::unique_ptr<Win32FormWindow> window_;
    bool optionGroupStarted_ = false;
    MadeControls<HWND> made_;
};

}  // namespace hueloom
