// The slider on Win32: the common controls' trackbar, raising Scroll for
// every move by mouse or keyboard, with its value in a tooltip.
#pragma once

#include "host/control_design.h"
#include "host/controls.h"
#include "win32/win32_control.h"

namespace hueloom {

class Win32Tooltips;

class Win32Slider final : public Win32Control, public Slider {
  public:
    Win32Slider(const ControlDesign& design, NotificationSink sink, const ChildPlace& place,
                Win32Tooltips& tooltips);
    int Value() override;
    std::u16string AccessibleValueText() override;
    bool OnParentMessage(UINT message, WPARAM wParam, LRESULT& result) override;

  private:
    NotificationSink sink_;
    Win32Tooltips& tooltips_;
    int shownValue_;  // the value last raised and shown in the tooltip
};

}  // namespace hueloom
