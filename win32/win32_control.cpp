// The native child windows of a form: made, and described to screen readers.
#include "win32/win32_control.h"

#include <stdexcept>

#include "win32/win32_accessibility.h"
#include "win32/win32_messages.h"

namespace hueloom {

Win32Control::Win32Control(HWND handle) : handle_(handle) {}

Win32Control::~Win32Control() = default;

void Win32Control::Describe(const ControlDesign& design) {
    annotation_ = std::make_unique<Win32Annotation>(handle_, design,
                                                    [this] { return AccessibleValueText(); });
}

HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                 const ChildPlace& place) {
    const RECT& r = place.pixels;
    const HWND child = ::CreateWindowExW(
        exStyle, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
        r.bottom - r.top, place.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)),
        ::GetModuleHandleW(nullptr), nullptr);
    if (child == nullptr) throw std::runtime_error("cannot create a control's window");
    if (place.font != nullptr) win32::SetFont(child, place.font);
    return child;
}

}  // namespace hueloom
