// hueloom.exe by keyboard: Tab walks the design's order, shows the focus
// rectangles, and selects no option.
#include <algorithm>

#include "app/form1_design.h"
#include "win32/win32_window_system.h"
#include "window_checks.h"

namespace hueloom::driver {
namespace {

// The control a window of that form would take the keys: it and every box holding it enabled.
bool TakesFocusNow(const ControlDesign& design, HWND window) {
    if (design.kind == ControlKind::kLabel) return false;
    for (HWND w = window; w != nullptr && (::GetWindowLongW(w, GWL_STYLE) & WS_CHILD) != 0;
         w = ::GetParent(w)) {
        if (!::IsWindowEnabled(w)) return false;
    }
    return true;
}

}  // namespace

// Tab by Tab, the focus walks the design's order round over every control that
// can take it now (Send over three stops disabled swatches 4 to 10 and what
// they hold), the first Tab shows the focus rectangle, and no option changes.
void CheckKeyboard(const Form& form) {
    const auto windows = ControlWindows(form);
    const auto nameOf = [&windows](HWND window) {
        for (const auto& [design, w] : windows) {
            if (w == window) return std::string(design->name);
        }
        return std::string("?");
    };
    std::vector<std::string> order;
    for (std::string_view name : Form1TabOrder()) {
        for (const auto& [design, window] : windows) {
            if (design->name == name && TakesFocusNow(*design, window)) order.emplace_back(name);
        }
    }
    const auto start = std::find(order.begin(), order.end(), nameOf(FocusOf(form)));
    if (start != order.end()) std::rotate(order.begin(), start + 1, order.end());
    const HWND preview = form.Item("Picture1");
    RECT client{};
    ::GetClientRect(preview, &client);
    const auto topRow = [&] {
        std::vector<COLORREF> row;
        for (int x = client.right / 2; x < client.right; ++x) row.push_back(PixelOf(preview, x, 1));
        return row;
    };
    const std::vector<COLORREF> unfocused = topRow();
    std::vector<std::string> walked;
    bool cuesShown = false, previewRing = false;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const HWND before = FocusOf(form);
        ::PostMessageW(before, WM_KEYDOWN, VK_TAB, 1);
        ::PostMessageW(before, WM_KEYUP, VK_TAB, 0xC0000001);
        for (int tries = 0; tries < 100 && FocusOf(form) == before; ++tries) ::Sleep(10);
        walked.push_back(nameOf(FocusOf(form)));
        if (k == 0) cuesShown = !win32::FocusCuesHidden(form.window);
        if (FocusOf(form) == preview) {
            for (int tries = 0; tries < 40 && !previewRing; ++tries, ::Sleep(50))
                previewRing = topRow() != unfocused;
        }
    }
    const auto joined = [](const std::vector<std::string>& names) {
        std::string all;
        for (const std::string& name : names) all += ' ' + name;
        return all;
    };
    Report(walked == order, "Tab walks the design's order over the controls that take the focus",
           walked == order ? "" : "wanted" + joined(order) + ", got" + joined(walked));
    Report(cuesShown && previewRing, "the first Tab shows focus rectangles, on the preview too");
    Report(win32::IsChecked(form.Item("fade3")) && !win32::IsChecked(form.Item("fade10")),
           "tabbing through the options selects none of them");
}

}  // namespace hueloom::driver
