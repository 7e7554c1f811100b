// A form's tooltips: one tooltip control, one tool per control that shows help.
#pragma once

#include <string>

#include "win32/win32_handles.h"

namespace hueloom {

class Win32Tooltips {
  public:
    Win32Tooltips();
    ~Win32Tooltips();
    Win32Tooltips(const Win32Tooltips&) = delete;
    Win32Tooltips& operator=(const Win32Tooltips&) = delete;

    // The tip follows the mouse over the control (the tooltip subclasses it).
    void Add(HWND control, const std::u16string& text);
    // New text for a control added before; shown at once if its tip is up.
    void SetText(HWND control, const std::u16string& text);

  private:
    HWND tip_ = nullptr;
};

}  // namespace hueloom
