// A form's tooltips through the common controls' tooltip control.
#include "win32/win32_tooltips.h"

#include "win32/win32_messages.h"

namespace hueloom {
namespace {

TTTOOLINFOW ToolFor(HWND control, const std::u16string& text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    // The control only reads the text during the call.
    tool.lpszText = const_cast<wchar_t*>(win32::Wide(text));
    return tool;
}

}  // namespace

// No owner: under Wine an owned tooltip keeps its owner out of the topmost
// band. The tip puts itself on top whenever it shows.
Win32Tooltips::Win32Tooltips() {
    tip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

Win32Tooltips::~Win32Tooltips() {
    if (tip_ != nullptr) ::DestroyWindow(tip_);
}

void Win32Tooltips::Add(HWND control, const std::u16string& text) {
    if (tip_ == nullptr) return;  // help is a nicety: the window works without it
    TTTOOLINFOW tool = ToolFor(control, text);
    ::SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32Tooltips::SetText(HWND control, const std::u16string& text) {
    if (tip_ == nullptr) return;
    TTTOOLINFOW tool = ToolFor(control, text);
    ::SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace hueloom
