// What a screen reader hears of a control through Microsoft Active
// Accessibility: the design's name and description annotated on the
// control's window, and its value asked of the control whenever wanted.
#pragma once

#include <functional>
#include <string>

#include "host/control_design.h"
#include "win32/win32_handles.h"

struct IAccPropServices;

namespace hueloom {

class AccessibleValueServer;

// Kept as long as the control: it takes its annotations away with it.
class Win32Annotation {
  public:
    using ValueText = std::function<std::u16string()>;

    // Where the system keeps no annotations (or the thread has no COM), the
    // control is named only by its window text, which is given the name
    // wherever the control shows no text of its own.
    Win32Annotation(HWND control, const ControlDesign& design, ValueText value);
    ~Win32Annotation();
    Win32Annotation(const Win32Annotation&) = delete;
    Win32Annotation& operator=(const Win32Annotation&) = delete;

  private:
    HWND control_;
    IAccPropServices* services_ = nullptr;
    AccessibleValueServer* server_ = nullptr;
};

}  // namespace hueloom
