// A command button on Win32: a push button whose BN_CLICKED becomes Click.
#pragma once

#include <string>

#include "host/controls.h"
#include "win32/win32_control.h"

namespace hueloom {

class Win32CommandButton final : public Win32Control {
  public:
    Win32CommandButton(const std::u16string& caption, NotificationSink sink,
                       const ChildPlace& place);
    bool OnParentMessage(UINT message, WPARAM wParam, LRESULT& result) override;

  private:
    NotificationSink sink_;
};

}  // namespace hueloom
