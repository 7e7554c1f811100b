// The slider on Win32: the trackbar's WM_HSCROLL codes turned into Scroll.
#include "win32/win32_slider.h"

#include "host/control_help.h"
#include "win32/win32_messages.h"
#include "win32/win32_scroll_bar.h"
#include "win32/win32_tooltips.h"

namespace hueloom {

Win32Slider::Win32Slider(const ControlDesign& design, NotificationSink sink,
                         const ChildPlace& place, Win32Tooltips& tooltips)
    : Win32Control(
          CreateChild(TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_NOTICKS | WS_TABSTOP, 0, place)),
      sink_(std::move(sink)),
      tooltips_(tooltips),
      shownValue_(design.min) {
    win32::SetTrackbarRange(handle(), design.min, design.max);
    win32::SetTrackbarSteps(handle(), design.smallChange, design.largeChange);
    win32::SetTrackbarValue(handle(), design.min);
    tooltips_.Add(handle(), ValueHelp(shownValue_));
}

int Win32Slider::Value() { return win32::TrackbarValue(handle()); }

std::u16string Win32Slider::AccessibleValueText() { return ValueHelp(Value()); }

bool Win32Slider::OnParentMessage(UINT message, WPARAM wParam, LRESULT& result) {
    if (message != WM_HSCROLL) return false;
    result = 0;
    // A drag carries the thumb's place; the trackbar has moved itself for the
    // rest. Whoever sent the drag, the control follows it.
    const int code = LOWORD(wParam);
    if (code == TB_THUMBTRACK || code == TB_THUMBPOSITION) {
        win32::SetTrackbarValue(handle(), HIWORD(wParam));
    }
    const int value = Value();
    if (value == shownValue_) return true;  // TB_ENDTRACK and the like move nothing
    shownValue_ = value;
    tooltips_.SetText(handle(), ValueHelp(value));
    if (sink_) sink_(Notification::kScroll);
    return true;
}

}  // namespace hueloom
