// A command button on Win32.
#include "win32/win32_command_button.h"

#include "win32/win32_messages.h"

namespace hueloom {

Win32CommandButton::Win32CommandButton(const std::u16string& caption, NotificationSink sink,
                                       const ChildPlace& place)
    : Win32Control(
          CreateChild(L"Button", win32::Wide(caption), BS_PUSHBUTTON | WS_TABSTOP, 0, place)),
      sink_(std::move(sink)) {}

bool Win32CommandButton::OnParentMessage(UINT message, WPARAM wParam, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    result = 0;
    if (sink_) sink_(Notification::kClick);
    return true;
}

}  // namespace hueloom
