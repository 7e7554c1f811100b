// Drives hueloom.exe through its controls, as a user's input would reach them,
// and reads back what it shows: the end-to-end check of the Windows program.
//
//   hueloom_window_driver check        every step; prints ok/FAIL lines and,
//                                      in order, the lines the chat must get
//   hueloom_window_driver shape DPI    the window whole and in its place at that dpi
//                                      (the prefix's), then closed by its close box
//   hueloom_window_driver session      the session ends: WM_QUERYENDSESSION, WM_ENDSESSION
//   hueloom_window_driver demo LINE    sets colour stops, types LINE, presses Send
//   hueloom_window_driver send LINE    types LINE with the design's stops, presses Send
//                                      once, then closes the window
//   hueloom_window_driver close        closes the window with the system's close command
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/column_fade.h"
#include "app/form1_design.h"
#include "fade/fade.h"
#include "host/control_help.h"
#include "host/packed_colour.h"
// clang-format off
#include "win32/win32_messages.h"
#include <initguid.h>  // after <windows.h>, whose types they use
#include <oleacc.h>
#include <shellapi.h>
// clang-format on
#include "standin/win32/standin_log.h"
#include "win32/win32_window_system.h"

namespace hueloom {
namespace {

constexpr int kColumns = 10;

int failures = 0;

// The bytes the program sends for a text: the system's own conversion.
std::string ToAnsiCodePage(std::u16string_view text) {
    return Win32WindowSystem().ToAnsiCodePage(text);
}

// Sees every window in the screen's own pixels, as the per-monitor aware program
// lays itself out, never through the system's scaling for older programs.
void BecomeDpiAware() {
    const HMODULE user = ::GetModuleHandleW(L"user32.dll");
    using ContextFunction = BOOL(WINAPI*)(HANDLE);
    const auto perMonitor = reinterpret_cast<ContextFunction>(
        reinterpret_cast<void*>(::GetProcAddress(user, "SetProcessDpiAwarenessContext")));
    const auto kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
    if (perMonitor != nullptr && perMonitor(kPerMonitorAwareV2)) return;
    using AwareFunction = BOOL(WINAPI*)();
    const auto aware = reinterpret_cast<AwareFunction>(
        reinterpret_cast<void*>(::GetProcAddress(user, "SetProcessDPIAware")));
    if (aware != nullptr) aware();
}

void Report(bool ok, const std::string& what, const std::string& detail = {}) {
    if (!ok) ++failures;
    std::printf("%s %s%s%s\n", ok ? "ok" : "FAIL", what.c_str(), detail.empty() ? "" : ": ",
                detail.c_str());
    std::fflush(stdout);
}

// The chat must get this line next, in the code page's bytes.
void ExpectPosted(std::u16string_view markup) {
    std::printf("posted [%s]\n", HexBytes(ToAnsiCodePage(markup)).c_str());
    std::fflush(stdout);
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Hex(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

int Distance(COLORREF a, COLORREF b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

// What the screen shows at a point of the control's client area.
COLORREF PixelOf(HWND control, int x, int y) {
    POINT point{x, y};
    ::ClientToScreen(control, &point);
    const HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, point.x, point.y);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

COLORREF CentreOf(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    return PixelOf(control, client.right / 2, client.bottom / 2);
}

// Waits up to two seconds for the program to paint the wanted colour.
bool ShowsColour(HWND control, COLORREF wanted) {
    for (int tries = 0; tries < 40; ++tries) {
        if (CentreOf(control) == wanted) return true;
        ::Sleep(50);
    }
    return false;
}

// Some pixel of the area within `tolerance` of the colour, waiting up to two seconds.
bool AreaHolds(HWND control, const RECT& area, COLORREF wanted, int tolerance) {
    for (int tries = 0; tries < 40; ++tries) {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (Distance(PixelOf(control, x, y), wanted) <= tolerance) return true;
            }
        }
        ::Sleep(50);
    }
    return false;
}

void Settle() { ::Sleep(300); }

int Finish() {
    std::printf("driver: %d failed\n", failures);
    return failures == 0 ? 0 : 1;
}

// Another program's control text goes by message: GetWindowText would not ask it.
void SetText(HWND control, const std::u16string& text) {
    ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::u16string TextOf(HWND control) {
    const auto length = static_cast<std::size_t>(::SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
    std::u16string text(length + 1, u'\0');
    const auto copied = static_cast<std::size_t>(
        ::SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

// The identifiers of the design's controls of a kind that have one, in the
// design's order: the bars and the swatches come column by column.
std::vector<int> IdentifiersOf(ControlKind kind) {
    std::vector<int> ids;
    for (const ControlDesign& design : Form1Controls()) {
        if (design.kind == kind && design.controlId != 0) ids.push_back(design.controlId);
    }
    return ids;
}

// The window's controls, found as GetDlgItem finds them, by the design's identifiers.
struct Form {
    HWND window = nullptr;
    std::vector<int> bars = IdentifiersOf(ControlKind::kScrollBar);
    std::vector<int> pictures = IdentifiersOf(ControlKind::kPictureBox);  // swatches, Picture1

    HWND Item(int id) const { return ::GetDlgItem(window, id); }
    HWND Item(std::string_view name) const { return Item(FindControl(name)->controlId); }
    HWND Bar(int column, int component) const { return Item(bars.at(3 * column + component)); }
    HWND Swatch(int column) const { return Item(pictures.at(column)); }
    // As the system reports a bar's or the slider's move to the window.
    void Scroll(HWND control, UINT message, int code, int position = 0) const {
        ::SendMessageW(window, message, MAKEWPARAM(code, position),
                       reinterpret_cast<LPARAM>(control));
    }
    void Key(HWND control, WPARAM key) const { ::SendMessageW(control, WM_KEYDOWN, key, 1); }
    void Click(std::string_view name) const { ::SendMessageW(Item(name), BM_CLICK, 0, 0); }
};

// A design pixel (96 dpi) at the given dpi.
int AtDpi(int pixels, int dpi) { return pixels * dpi / 96; }

// The design's controls with their windows: by identifier, and the thin boxes
// as the child of the swatch that holds them.
std::vector<std::pair<const ControlDesign*, HWND>> ControlWindows(const Form& form) {
    std::vector<std::pair<const ControlDesign*, HWND>> windows;
    for (const ControlDesign& design : Form1Controls()) {
        const HWND window = design.controlId != 0
                                ? form.Item(design.controlId)
                                : ::GetWindow(form.Item(design.container), GW_CHILD);
        windows.emplace_back(&design, window);
    }
    return windows;
}

std::string Narrow(std::u16string_view text) {
    std::string narrow;
    for (char16_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

enum class Property { kName, kDescription, kValue };

// What a screen reader hears of a window's client object; nothing when it is not answered.
std::optional<std::u16string> Hear(HWND window, Property property) {
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                            reinterpret_cast<void**>(&object)))) {
        return std::nullopt;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    const HRESULT result = property == Property::kName ? object->get_accName(self, &text)
                           : property == Property::kDescription
                               ? object->get_accDescription(self, &text)
                               : object->get_accValue(self, &text);
    std::optional<std::u16string> heard;
    if (result == S_OK && text != nullptr) heard = reinterpret_cast<const char16_t*>(text);
    ::SysFreeString(text);
    object->Release();
    return heard;
}

// Whether this system keeps what a program annotates on its windows: tried on
// a window of the driver's own.
bool KeepsAnnotations() {
    IAccPropServices* services = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        return false;
    }
    const HWND probe = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                         ::GetModuleHandleW(nullptr), nullptr);
    const bool kept = SUCCEEDED(
        services->SetHwndPropStr(probe, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, L"probe"));
    services->ClearHwndProps(probe, OBJID_CLIENT, CHILDID_SELF, &PROPID_ACC_NAME, 1);
    ::DestroyWindow(probe);
    services->Release();
    return kept;
}

// Waits for the window, then for its start: the announcement is sent before
// the window goes into the topmost band and takes its region, scaled to the dpi.
Form WaitForStart(int dpi = 96) {
    Form form;
    for (int tries = 0; tries < 600 && form.window == nullptr; ++tries) {
        form.window = ::FindWindowW(nullptr, L"Hueloom 2.0");
        if (form.window == nullptr) ::Sleep(50);
    }
    Report(form.window != nullptr, "window \"Hueloom 2.0\" found");
    if (form.window == nullptr) return form;
    const HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    bool topmost = false;
    int regionType = ERROR;
    for (int tries = 0; tries < 600 && !(topmost && regionType != ERROR); ++tries) {
        topmost = (::GetWindowLongW(form.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        regionType = ::GetWindowRgn(form.window, region);
        ::Sleep(50);
    }
    Report(topmost, "window topmost (WS_EX_TOPMOST)");
    Report(regionType == COMPLEXREGION && !::PtInRegion(region, AtDpi(16, dpi), AtDpi(293, dpi)) &&
               ::PtInRegion(region, AtDpi(16, dpi), AtDpi(287, dpi)) &&
               ::PtInRegion(region, AtDpi(584, dpi), AtDpi(10, dpi)) &&
               !::PtInRegion(region, AtDpi(590, dpi), AtDpi(10, dpi)),
           "window region: the outline less the notch, at " + std::to_string(dpi) + " dpi");
    ::DeleteObject(region);
    return form;
}

// The client area's size and place on the screen, as "402x217 at 190,155".
std::string ClientPlace(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    char place[96];
    std::snprintf(place, sizeof place, "%ldx%ld at %ld,%ld", client.right, client.bottom, origin.x,
                  origin.y);
    return place;
}

// The design's client area laid out at the dpi, as the twips say.
void CheckClientPlace(const Form& form, int dpi) {
    const TwipsRect& design = kForm1.client;
    char wanted[96];
    std::snprintf(wanted, sizeof wanted, "%dx%d at %d,%d", TwipsToPixels(design.width, dpi),
                  TwipsToPixels(design.height, dpi), TwipsToPixels(design.left, dpi),
                  TwipsToPixels(design.top, dpi));
    const std::string place = ClientPlace(form.window);
    Report(place == wanted, std::string("client area ") + wanted, place == wanted ? "" : place);
}

// The window's region holds the whole window, so every control shows, and at
// each control's centre the screen finds the window (that control, or the
// label that overlaps fade3 by design), nothing behind it.
void CheckWhole(const Form& form) {
    RECT frame{};
    ::GetWindowRect(form.window, &frame);
    const HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const HRGN window = ::CreateRectRgn(0, 0, frame.right - frame.left, frame.bottom - frame.top);
    const HRGN cut = ::CreateRectRgn(0, 0, 0, 0);
    const bool shaped = ::GetWindowRgn(form.window, region) != ERROR;
    const bool whole = shaped && ::CombineRgn(cut, window, region, RGN_DIFF) == NULLREGION;
    RECT lost{};
    ::GetRgnBox(cut, &lost);
    char detail[96] = "";
    if (!whole) {
        std::snprintf(detail, sizeof detail, "%ldx%ld window, cut off within %ld,%ld-%ld,%ld",
                      frame.right - frame.left, frame.bottom - frame.top, lost.left, lost.top,
                      lost.right, lost.bottom);
    }
    Report(whole, "the region leaves the whole window visible", detail);
    std::string hidden;
    for (const ControlDesign& design : Form1Controls()) {
        if (design.controlId == 0) continue;
        const HWND item = form.Item(design.controlId);
        RECT place{};
        ::GetWindowRect(item, &place);
        const POINT centre{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
        const HWND found = ::WindowFromPoint(centre);
        const bool inside =
            ::PtInRegion(region, place.left - frame.left, place.top - frame.top) &&
            ::PtInRegion(region, place.right - 1 - frame.left, place.bottom - 1 - frame.top);
        if (!inside || ::GetAncestor(found, GA_ROOT) != form.window) {
            hidden += ' ' + std::string(design.name);
        }
    }
    Report(hidden.empty(), "every control inside the region and found on the screen", hidden);
    ::DeleteObject(cut);
    ::DeleteObject(window);
    ::DeleteObject(region);
}

HWND FocusOf(const Form& form) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(form.window, nullptr), &thread);
    return thread.hwndFocus;
}

void CheckLayout(const Form& form) {
    CheckClientPlace(form, 96);

    std::string wrong;
    const std::string boxClass = ClassOf(form.Item("Picture1"));
    const auto classFor = [&](ControlKind kind) -> std::string {
        switch (kind) {
            case ControlKind::kScrollBar:
                return "ScrollBar";
            case ControlKind::kPictureBox:
                return boxClass;
            case ControlKind::kSlider:
                return "msctls_trackbar32";
            case ControlKind::kTextBox:
                return "Edit";
            case ControlKind::kLabel:
                return "Static";
            case ControlKind::kCommandButton:
            case ControlKind::kOptionButton:
                return "Button";
        }
        return {};
    };
    for (const ControlDesign& design : Form1Controls()) {
        if (design.controlId == 0) continue;
        const HWND item = form.Item(design.controlId);
        if (item == nullptr || ClassOf(item) != classFor(design.kind) ||
            ::GetParent(item) != form.window) {
            wrong += ' ' + std::string(design.name);
        }
    }
    const LONG groupStyle = ::GetWindowLongW(form.Item("fade3"), GWL_STYLE);
    if ((groupStyle & WS_GROUP) == 0 || (groupStyle & 0xF) != BS_AUTORADIOBUTTON) wrong += " group";
    // Picture2..Picture4 inside Color3, Color1 and color5.
    for (int column : {2, 0, 4}) {
        const HWND inner = ::GetWindow(form.Swatch(column), GW_CHILD);
        if (inner == nullptr || ClassOf(inner) != boxClass)
            wrong += " inside" + std::to_string(column);
    }
    Report(wrong.empty(), "controls' classes and identifiers", wrong);

    Report(FocusOf(form) == form.Swatch(1), "first focus on Color2");
    BOOL alwaysCues = FALSE;
    ::SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysCues, 0);
    Report(win32::FocusCuesHidden(form.window) == !alwaysCues,
           "focus rectangles hidden until the keyboard is used, as the system's setting says");
}

// Names, descriptions and values as a screen reader hears them, after the
// bars are set and the line typed. Where the system keeps no annotations
// (Wine) a control is named by its window text alone, which the program gives
// the name wherever the control shows no text of its own.
void CheckAccessibility(const Form& form, const std::vector<Component>& values,
                        const std::u16string& line) {
    const bool annotated = KeepsAnnotations();
    std::string wrong, ownText;
    for (const auto& [design, window] : ControlWindows(form)) {
        const auto name = Hear(window, Property::kName);
        if (name == design->accessibleName) continue;
        const std::string heard =
            ' ' + std::string(design->name) + "=[" + Narrow(name.value_or(u"")) + ']';
        const bool showsText = !design->caption.empty() || design->kind == ControlKind::kTextBox;
        (annotated || !showsText ? wrong : ownText) += heard;
    }
    Report(wrong.empty(), "every control has its accessible name", wrong);
    if (!annotated) {
        std::printf("note: no annotations kept here; named by their own text:%s\n",
                    ownText.c_str());
        const auto told = [](HWND window, Property property) {
            const auto heard = Hear(window, property);
            return heard ? '[' + Narrow(*heard) + ']' : std::string("nothing");
        };
        std::printf(
            "note: no annotations kept here; Blue1's description %s, values: Blue1 %s, "
            "Slider1 %s, Color1 %s, Picture1 %s\n",
            told(form.Item("Blue1"), Property::kDescription).c_str(),
            told(form.Item("Blue1"), Property::kValue).c_str(),
            told(form.Item("Slider1"), Property::kValue).c_str(),
            told(form.Swatch(0), Property::kValue).c_str(),
            told(form.Item("Picture1"), Property::kValue).c_str());
        std::fflush(stdout);
        return;
    }
    for (const auto& [design, window] : ControlWindows(form)) {
        if (Hear(window, Property::kDescription) != design->accessibleDescription)
            wrong += ' ' + std::string(design->name);
    }
    Report(wrong.empty(), "every control has its accessible description", wrong);
    for (int i = 0; i < 3 * kColumns; ++i) {
        if (Hear(form.Item(form.bars.at(i)), Property::kValue) != ValueHelp(values[i]))
            wrong += " bar" + std::to_string(i + 1);
    }
    for (int column = 0; column < kColumns; ++column) {
        const Component* v = &values[3 * column];
        if (Hear(form.Swatch(column), Property::kValue) !=
            ColourHelp(PackedColour(v[0], v[1], v[2])))
            wrong += " swatch" + std::to_string(column + 1);
    }
    if (Hear(form.Item("Slider1"), Property::kValue) != u"0") wrong += " Slider1";
    if (Hear(form.Item("Picture1"), Property::kValue) != line) wrong += " Picture1";
    Report(wrong.empty(),
           "values: bars and slider in decimal, swatches as #RRGGBB, the preview's text", wrong);
}

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
        const HWND bar = form.Item(form.bars.at(i));
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

// The control a window of that form would take the keys: it and every box holding it enabled.
bool TakesFocusNow(const ControlDesign& design, HWND window) {
    if (design.kind == ControlKind::kLabel) return false;
    for (HWND w = window; w != nullptr && (::GetWindowLongW(w, GWL_STYLE) & WS_CHILD) != 0;
         w = ::GetParent(w)) {
        if (!::IsWindowEnabled(w)) return false;
    }
    return true;
}

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

bool WaitUntilGone(HWND window) {
    for (int tries = 0; tries < 400 && ::IsWindow(window); ++tries) ::Sleep(50);
    return !::IsWindow(window);
}

bool CloseAndWait(const Form& form) {
    ::PostMessageW(form.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return WaitUntilGone(form.window);
}

void Press(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof input);
}

// Where on the screen the window puts its close box: along the middle of the
// title bar, the right-most point the window itself calls the close box.
POINT CloseBoxPoint(HWND window) {
    TITLEBARINFO bar{};
    bar.cbSize = sizeof bar;
    ::GetTitleBarInfo(window, &bar);
    const int y = (bar.rcTitleBar.top + bar.rcTitleBar.bottom) / 2;
    for (int x = bar.rcTitleBar.right; x > bar.rcTitleBar.left; --x) {
        const LPARAM at = MAKELPARAM(x, y);
        if (::SendMessageW(window, WM_NCHITTEST, 0, at) == HTCLOSE) return {x - 4, y};
    }
    return {-1, -1};
}

// A click of the mouse on the close box, as the user's: it reaches the window
// only where the window's region leaves the box.
void CloseByTheCloseBox(const Form& form) {
    const POINT box = CloseBoxPoint(form.window);
    Report(box.x >= 0 && ::WindowFromPoint(box) == form.window,
           "the close box shows, inside the region");
    ::SetCursorPos(box.x, box.y);
    ::Sleep(100);
    Press(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(50);
    Press(MOUSEEVENTF_LEFTUP);
    Report(WaitUntilGone(form.window), "closed by its close box");
}

int Check() {
    const Form form = WaitForStart();
    if (form.window == nullptr) return 1;
    ExpectPosted(FadeThreeValues(u"0", u"255", u"100", u"Hueloom Loaded", true));
    CheckLayout(form);
    CheckWhole(form);  // while every control is enabled, so the screen finds each
    const std::vector<Component> values = SetBars(form);
    const std::u16string line = u"H\u00e9llo w\u00f6rld, caf\u00e9 au lait";
    CheckSends(form, values, line);
    CheckAccessibility(form, values, line);
    CheckSlider(form, values);
    CheckLongLine(form);
    CheckKeyboard(form);
    ExpectPosted(FadeThreeValues(u"0", u"255", u"100", u"Hueloom Unload", true));
    CloseByTheCloseBox(form);
    return Finish();
}

// The lighter pass at another dpi: shaped and laid out for it, whole, and closable.
int Shape(int dpi) {
    const Form form = WaitForStart(dpi);
    if (form.window == nullptr) return 1;
    ExpectPosted(FadeThreeValues(u"0", u"255", u"100", u"Hueloom Loaded", true));
    CheckClientPlace(form, dpi);
    CheckWhole(form);
    ExpectPosted(FadeThreeValues(u"0", u"255", u"100", u"Hueloom Unload", true));
    CloseByTheCloseBox(form);
    return Finish();
}

// Logging off asks every top-level window, then tells it the session ends.
bool EndSession(HWND window, bool ends) {
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                          &answer);
    ::SendMessageTimeoutW(window, WM_ENDSESSION, ends ? TRUE : FALSE, ENDSESSION_LOGOFF,
                          SMTO_NORMAL, 10000, nullptr);
    return answer != FALSE;
}

// A session that ends says goodbye once: a cancelled end says nothing, and the
// end told twice unloads once.
int Session() {
    const Form form = WaitForStart();
    if (form.window == nullptr) return 1;
    ExpectPosted(FadeThreeValues(u"0", u"255", u"100", u"Hueloom Loaded", true));
    const bool agreed = EndSession(form.window, false);
    Report(agreed && ::IsWindowVisible(form.window),
           "a session end asked and then cancelled: the window agrees and stays");
    ExpectPosted(FadeThreeValues(u"0", u"255", u"100", u"Hueloom Unload", true));
    EndSession(form.window, true);
    Report(!::IsWindowVisible(form.window), "the session ends: the window goes at once");
    ::SendMessageTimeoutW(form.window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                          nullptr);
    Report(WaitUntilGone(form.window), "the program ends after the session's end");
    return Finish();
}

int Demo(const std::u16string& line) {
    const Form form = WaitForStart();
    if (form.window == nullptr) return 1;
    const int stops[kColumns][3] = {{255, 0, 0},   {255, 140, 0}, {240, 220, 0}, {40, 200, 40},
                                    {0, 170, 170}, {0, 90, 255},  {90, 40, 220}, {170, 0, 200},
                                    {230, 0, 120}, {255, 0, 0}};
    for (int column = 0; column < kColumns; ++column) {
        for (int component = 2; component >= 0; --component) {
            const HWND bar = form.Bar(column, component);
            form.Scroll(bar, WM_VSCROLL, SB_THUMBTRACK, stops[column][component]);
            form.Scroll(bar, WM_VSCROLL, SB_THUMBPOSITION, stops[column][component]);
        }
    }
    SetText(form.Item("Text1"), line);
    form.Click("Command1");
    return 0;
}

int SendOnce(const std::u16string& line) {
    const Form form = WaitForStart();
    if (form.window == nullptr) return 1;
    SetText(form.Item("Text1"), line);
    form.Click("Command1");
    return CloseAndWait(form) ? 0 : 1;
}

// The command line's last word as typed, whatever the code page.
std::u16string LastArgument() {
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::u16string last;
    if (words != nullptr && count > 0) last = reinterpret_cast<const char16_t*>(words[count - 1]);
    if (words != nullptr) ::LocalFree(words);
    return last;
}

}  // namespace
}  // namespace hueloom

int main(int argc, char** argv) {
    using namespace hueloom;
    BecomeDpiAware();
    // What a screen reader hears comes through COM.
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (argc == 2 && std::strcmp(argv[1], "check") == 0) return Check();
    if (argc == 3 && std::strcmp(argv[1], "shape") == 0) return Shape(std::atoi(argv[2]));
    if (argc == 2 && std::strcmp(argv[1], "session") == 0) return Session();
    if (argc == 3 && std::strcmp(argv[1], "demo") == 0) return Demo(LastArgument());
    if (argc == 3 && std::strcmp(argv[1], "send") == 0) return SendOnce(LastArgument());
    if (argc == 2 && std::strcmp(argv[1], "close") == 0) {
        const HWND window = ::FindWindowW(nullptr, L"Hueloom 2.0");
        return window != nullptr && CloseAndWait(Form{window}) ? 0 : 1;
    }
    std::fprintf(stderr,
                 "usage: hueloom_window_driver check | shape DPI | session | demo LINE | send LINE | "
                 "close\n");
    return 2;
}
