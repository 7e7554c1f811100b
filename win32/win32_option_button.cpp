// An option button on Win32.
#include "win32/win32_option_button.h"

#include "win32/win32_messages.h"

namespace hueloom {

Win32OptionButton::Win32OptionButton(const std::u16string& caption, bool firstOfGroup,
                                     bool selected, const ChildPlace& place)
    : Win32Control(CreateChild(L"Button", win32::Wide(caption),
                               BS_AUTORADIOBUTTON | WS_TABSTOP | (firstOfGroup ? WS_GROUP : 0), 0,
                               place)) {
    win32::SetChecked(handle(), selected);
}

bool Win32OptionButton::Value() { return win32::IsChecked(handle()); }

}  // namespace hueloom
