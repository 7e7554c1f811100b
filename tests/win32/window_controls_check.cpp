// hueloom.exe's bars, swatches, Send, slider and over-long line, driven as a
// user's input reaches them, and the lines the chat must get for each Send.
#include <cstdlib>

#include "app/column_fade.h"
#include "win32/win32_window_system.h"
#include "window_checks.h"

namespace hueloom::driver {

// Sets every bar as a user would and checks the Scroll/Change wiring on the way.
// Red by keyboard (Change), green by the system's scroll codes (Change), blue
// by a thumb drag (Scroll while dragged), which repaints the column's swatch.
std::vector<Component> SetBars(const Form& form) {
    std::vector<Component> values;
    const COLORREF buttonFace = ::GetSysColor(COLOR_BTNFACE);
    for (int column = 0; column < kColumns; ++column) {
        const HWND red = form.Bar(column, 0), green = form.Bar(column, 1),
                   blue = form.Bar(column, 2);
        int r = 255 - 3 * column;
        if (column == 5) {
            // Column 6's red bar repaints on Change: not while dragged, at the drag's end.
            r = 180;
            form.Scroll(red, WM_VSCROLL, SB_THUMBTRACK, r);
            Settle();
            Report(CentreOf(form.Swatch(column)) == buttonFace, "red61 dragged: swatch not yet");
            form.Scroll(red, WM_VSCROLL, SB_THUMBPOSITION, r);
            form.Scroll(red, WM_VSCROLL, SB_ENDSCROLL);
            Report(ShowsColour(form.Swatch(column), RGB(r, 0, 0)),
                   "red61 drag ended: swatch shows");
        } else {
            form.Key(red, VK_END);
            for (int k = 0; k < 3 * column; ++k) form.Key(red, VK_UP);
        }
        const int g = (column * 97 + 41) % 256;
        form.Scroll(green, WM_VSCROLL, SB_THUMBPOSITION, g);
        form.Scroll(green, WM_VSCROLL, SB_LINEDOWN);
        if (column == 0) {
            Settle();
            Report(CentreOf(form.Swatch(0)) == buttonFace, "keyboard and arrows raise no Scroll");
        }
        const int b = (column * 61 + 13) % 256;
        form.Scroll(blue, WM_VSCROLL, SB_THUMBTRACK, b / 2);
        form.Scroll(blue, WM_VSCROLL, SB_THUMBTRACK, b);
        form.Scroll(blue, WM_VSCROLL, SB_THUMBPOSITION, b);
        form.Scroll(blue, WM_VSCROLL, SB_ENDSCROLL);
        for (int value : {r, g + 1, b}) values.push_back(static_cast<Component>(value));
    }
    std::string wrong;
    for (int i = 0; i < 3 * kColumns; ++i) {
        const HWND bar = form.Bar(i / 3, i % 3);
        if (win32::ScrollValue(bar) != values[i]) wrong += " bar" + std::to_string(i + 1);
    }
    for (int column = 0; column < kColumns; ++column) {
        const Component* v = &values[3 * column];
        if (!ShowsColour(form.Swatch(column), RGB(v[0], v[1], v[2]))) {
            wrong +=
                " swatch" + std::to_string(column + 1) + '=' + Hex(CentreOf(form.Swatch(column)));
        }
    }
    Report(wrong.empty(), "bars hold their values, swatches show their columns", wrong);
    return values;
}

void CheckSends(const Form& form, const std::vector<Component>& values,
                const std::u16string& line) {
    SetText(form.Item("Text1"), line);
    Report(TextOf(form.Item("Text1")) == line, "Text1 holds the line (Unicode)");
    Report(ToAnsiCodePage(line).find('\xE9') != std::string::npos,
           "the line goes out in code page 1252 (\xE9 for its letter e acute)");
    // The preview draws the fade over ten stops: its first colour tag colours the first letter.
    const std::u16string preview = FadeColumns(values, line, true);
    const std::string code(preview.begin() + preview.find(u'#') + 1,
                           preview.begin() + preview.find(u'#') + 7);
    const auto packed = static_cast<COLORREF>(std::strtoul(code.c_str(), nullptr, 16));
    const COLORREF first = RGB(GetBValue(packed), GetGValue(packed), GetRValue(packed));
    const RECT firstGlyph{0, 0, 14, 18};
    Report(AreaHolds(form.Item("Picture1"), firstGlyph, first, 24),
           "preview's first letter in the fade's first colour", Hex(first));
    // fade10 is selected at the start; then 5, 4 and 3.
    const std::pair<std::string_view, int> order[] = {
        {"fade10", 10}, {"fade5", 5}, {"fade4", 4}, {"fade3", 3}};
    for (const auto& [option, columns] : order) {
        form.Click(option);
        form.Click("Command1");
        const std::vector<Component> stops(values.begin(), values.begin() + 3 * columns);
        ExpectPosted(FadeColumns(stops, line, false));
    }
    std::string wrong;
    for (int column = 3; column < kColumns; ++column) {
        const Component* v = &values[3 * column];
        if (::IsWindowEnabled(form.Swatch(column)) ||
            !ShowsColour(form.Swatch(column), RGB(v[0], v[1], v[2]))) {
            wrong += " swatch" + std::to_string(column + 1);
        }
    }
    Report(wrong.empty(), "after Send over 3 stops swatches 4-10 disabled, colours kept", wrong);
}

void CheckSlider(const Form& form, const std::vector<Component>& values) {
    const HWND slider = form.Item("Slider1");
    for (int k = 0; k < 3; ++k) form.Key(slider, VK_RIGHT);
    Report(win32::TrackbarValue(slider) == 3 && ShowsColour(form.Swatch(0), RGB(3, 3, 3)),
           "slider by keyboard: Color1 grey 3");
    form.Scroll(slider, WM_HSCROLL, TB_THUMBTRACK, 200);
    std::string wrong;
    for (int column = 0; column < 4; ++column) {
        if (!ShowsColour(form.Swatch(column), RGB(200, 200, 200)))
            wrong += " " + std::to_string(column + 1);
    }
    if (CentreOf(form.Swatch(4)) != RGB(values[12], values[13], values[14])) wrong += " 5";
    RECT text{};
    ::GetClientRect(form.Item("Text1"), &text);
    if (PixelOf(form.Item("Text1"), text.right - 3, text.bottom / 2) != RGB(200, 200, 200)) {
        wrong += " Text1";
    }
    Report(wrong.empty(), "slider dragged to 200: swatches 1-4 and Text1 grey", wrong);
}

void CheckLongLine(const Form& form) {
    SetText(form.Item("Text1"), std::u16string(32768, u'a'));
    Report(TextOf(form.Item("Text1")).size() == 32768, "a 32768-character line kept whole");
    const RECT notice{0, 0, 120, 14};
    Report(AreaHolds(form.Item("Picture1"), notice, RGB(160, 0, 0), 40),
           "preview says the line is too long");
    form.Click("Command1");  // refused: nothing reaches the chat
}

}  // namespace hueloom::driver
