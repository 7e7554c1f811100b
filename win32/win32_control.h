// What every native control of a form shares: its window, and a handler for
// the messages it sends its parent, which the window procedure hands it.
#pragma once

#include <memory>
#include <string>

#include "host/control_design.h"
#include "win32/win32_handles.h"

namespace hueloom {

class Win32Annotation;

class Win32Control {
  public:
    explicit Win32Control(HWND handle);
    virtual ~Win32Control();
    Win32Control(const Win32Control&) = delete;
    Win32Control& operator=(const Win32Control&) = delete;

    HWND handle() const { return handle_; }

    // Tells screen readers the design's name and description for this
    // control, and its value as AccessibleValueText gives it.
    void Describe(const ControlDesign& design);
    // What the control shows as its value to a screen reader; empty for none.
    virtual std::u16string AccessibleValueText() { return {}; }

    // A message this control sent its parent (WM_COMMAND, WM_HSCROLL,
    // WM_VSCROLL, WM_CTLCOLOR...); false leaves it to the default handling.
    virtual bool OnParentMessage(UINT /*message*/, WPARAM /*wParam*/, LRESULT& /*result*/) {
        return false;
    }

  private:
    HWND handle_;
    std::unique_ptr<Win32Annotation> annotation_;
};

// Where a control goes: its parent, its identifier and its place in pixels.
struct ChildPlace {
    HWND parent = nullptr;
    int id = 0;
    RECT pixels{};
    HFONT font = nullptr;
};

// A visible child window of the class, placed and given the font.
HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                 const ChildPlace& place);

}  // namespace hueloom
