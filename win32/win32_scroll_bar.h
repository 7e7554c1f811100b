// A vertical scroll bar on Win32: the system's scroll bar control, whose
// WM_VSCROLL codes become Scroll while the thumb is dragged and Change for
// every other move, and whose value shows in a tooltip.
#pragma once

#include <optional>

#include "host/control_design.h"
#include "host/controls.h"
#include "host/scroll_drag.h"
#include "win32/win32_control.h"

namespace hueloom {

class Win32Tooltips;

// The value a bar takes for each scroll code, and what the drag rule makes
// that move raise.
class ScrollMoves {
  public:
    explicit ScrollMoves(const ControlDesign& design);
    std::optional<Notification> Apply(int code, int thumbPosition);
    int value() const { return value_; }

  private:
    int Clamped(int value) const;

    int min_, max_, smallChange_, largeChange_;
    int value_;
    ScrollDrag drag_;
};

class Win32ScrollBar final : public Win32Control, public ScrollBar {
  public:
    Win32ScrollBar(const ControlDesign& design, NotificationSink sink, const ChildPlace& place,
                   Win32Tooltips& tooltips);
    int Value() override { return moves_.value(); }
    std::u16string AccessibleValueText() override;
    bool OnParentMessage(UINT message, WPARAM wParam, LRESULT& result) override;

  private:
    ScrollMoves moves_;
    NotificationSink sink_;
    Win32Tooltips& tooltips_;
};

}  // namespace hueloom
