// A vertical scroll bar on Win32: scroll codes fed to the drag rule.
#include "win32/win32_scroll_bar.h"

#include <algorithm>
#include <string>

#include "host/control_help.h"
#include "win32/win32_messages.h"
#include "win32/win32_tooltips.h"

namespace hueloom {

ScrollMoves::ScrollMoves(const ControlDesign& design)
    : min_(design.min),
      max_(std::max(design.min, design.max)),
      smallChange_(design.smallChange),
      largeChange_(design.largeChange),
      value_(design.min) {}

int ScrollMoves::Clamped(int value) const { return std::clamp(value, min_, max_); }

std::optional<Notification> ScrollMoves::Apply(int code, int thumbPosition) {
    const int before = value_;
    switch (code) {
        case SB_THUMBTRACK:
            drag_.Press(value_);
            value_ = Clamped(thumbPosition);
            return drag_.Moved(before, value_);
        case SB_THUMBPOSITION:
            // A drag the system reports only at its end still begins where the thumb was.
            drag_.Press(value_);
            value_ = Clamped(thumbPosition);
            return drag_.Released(value_);
        case SB_ENDSCROLL:
            // Ends a drag the system closed without a position; otherwise nothing.
            return drag_.Released(value_);
        case SB_LINEUP:
            value_ = Clamped(value_ - smallChange_);
            break;
        case SB_LINEDOWN:
            value_ = Clamped(value_ + smallChange_);
            break;
        case SB_PAGEUP:
            value_ = Clamped(value_ - largeChange_);
            break;
        case SB_PAGEDOWN:
            value_ = Clamped(value_ + largeChange_);
            break;
        case SB_TOP:
            value_ = min_;
            break;
        case SB_BOTTOM:
            value_ = max_;
            break;
        default:
            return std::nullopt;
    }
    return drag_.Moved(before, value_);
}

Win32ScrollBar::Win32ScrollBar(const ControlDesign& design, NotificationSink sink,
                               const ChildPlace& place, Win32Tooltips& tooltips)
    : Win32Control(CreateChild(L"ScrollBar", L"", SBS_VERT | WS_TABSTOP, 0, place)),
      moves_(design),
      sink_(std::move(sink)),
      tooltips_(tooltips) {
    win32::SetScrollRange(handle(), design.min, std::max(design.min, design.max));
    win32::SetScrollValue(handle(), moves_.value());
    tooltips_.Add(handle(), ValueHelp(moves_.value()));
}

std::u16string Win32ScrollBar::AccessibleValueText() { return ValueHelp(moves_.value()); }

bool Win32ScrollBar::OnParentMessage(UINT message, WPARAM wParam, LRESULT& result) {
    if (message != WM_VSCROLL) return false;
    const int before = moves_.value();
    const std::optional<Notification> raised = moves_.Apply(LOWORD(wParam), HIWORD(wParam));
    // The control moves its thumb only when told: it always shows the value.
    win32::SetScrollValue(handle(), moves_.value());
    if (moves_.value() != before) tooltips_.SetText(handle(), ValueHelp(moves_.value()));
    result = 0;
    if (raised && sink_) sink_(*raised);
    return true;
}

}  // namespace hueloom
