// The picture box on Win32: a window class of the program's own with a sunken
// border, painting its background colour and what the renderer drew.
#pragma once

#include <memory>

#include "host/control_design.h"
#include "host/controls.h"
#include "win32/win32_control.h"

namespace hueloom {

class GdiDrawingSurface;
class Win32Tooltips;

class Win32PictureBox final : public Win32Control, public PictureBox {
  public:
    // Starts in the button-face colour. The value tells a screen reader its
    // colour or what is drawn on it.
    Win32PictureBox(const ChildPlace& place, Win32Tooltips& tooltips, AccessibleValue value);
    ~Win32PictureBox() override;

    // The colour is the same in every state, and its #RRGGBB shows in a tooltip.
    void SetBackColor(std::int32_t colour) override;
    void SetEnabled(bool enabled) override;
    // Made on first use, kept from then on.
    DrawingSurface& Surface() override;
    std::u16string AccessibleValueText() override;

    COLORREF backColor() const { return backColor_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC target, const RECT& area);
    void PaintFocus(HDC target);

    Win32Tooltips& tooltips_;
    AccessibleValue accessibleValue_;
    COLORREF backColor_;
    bool hasHelp_ = false;
    bool hasFocus_ = false;  // kept, so that painting asks the system nothing
    std::unique_ptr<GdiDrawingSurface> surface_;
};

}  // namespace hueloom
