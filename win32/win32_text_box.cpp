// The text box on Win32: EN_CHANGE turned into Change, WM_CTLCOLOREDIT into its colour.
#include "win32/win32_text_box.h"

#include "win32/win32_messages.h"

namespace hueloom {

Win32TextBox::Win32TextBox(NotificationSink sink, const ChildPlace& place)
    : Win32Control(CreateChild(L"Edit", L"", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP,
                               WS_EX_CLIENTEDGE, place)),
      sink_(std::move(sink)) {
    // The default cut at 32767 characters would lose what the user pasted;
    // the window's logic refuses an over-long line itself and says why.
    win32::LiftTextLimit(handle());
}

Win32TextBox::~Win32TextBox() {
    if (backBrush_ != nullptr) ::DeleteObject(backBrush_);
}

std::u16string Win32TextBox::Text() { return win32::GetText(handle()); }

void Win32TextBox::SetBackColor(std::int32_t colour) {
    // A packed colour value has red in the low byte, as a COLORREF does.
    const COLORREF wanted = static_cast<COLORREF>(colour) & 0xFFFFFF;
    if (backBrush_ != nullptr && wanted == backColor_) return;
    const HBRUSH brush = ::CreateSolidBrush(wanted);
    if (brush == nullptr) return;
    if (backBrush_ != nullptr) ::DeleteObject(backBrush_);
    backBrush_ = brush;
    backColor_ = wanted;
    ::InvalidateRect(handle(), nullptr, TRUE);
}

bool Win32TextBox::OnParentMessage(UINT message, WPARAM wParam, LRESULT& result) {
    if (message == WM_CTLCOLOREDIT) {
        if (backBrush_ == nullptr) return false;
        ::SetBkColor(reinterpret_cast<HDC>(wParam), backColor_);
        result = reinterpret_cast<LRESULT>(backBrush_);
        return true;
    }
    // EN_CHANGE comes once the control shows the new text, for typing,
    // pasting and WM_SETTEXT alike.
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        result = 0;
        if (sink_) sink_(Notification::kChange);
        return true;
    }
    return false;
}

}  // namespace hueloom
