// The text box on Win32: a single-line Unicode edit control with no length
// cut, raising Change for every change of its text (typing, pasting, WM_SETTEXT).
#pragma once

#include "host/controls.h"
#include "win32/win32_control.h"

namespace hueloom {

class Win32TextBox final : public Win32Control, public TextBox {
  public:
    Win32TextBox(NotificationSink sink, const ChildPlace& place);
    ~Win32TextBox() override;

    std::u16string Text() override;
    void SetBackColor(std::int32_t colour) override;
    bool OnParentMessage(UINT message, WPARAM wParam, LRESULT& result) override;

  private:
    NotificationSink sink_;
    COLORREF backColor_ = 0;
    HBRUSH backBrush_ = nullptr;  // none: the system's colours
};

}  // namespace hueloom
