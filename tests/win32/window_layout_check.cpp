// hueloom.exe's layout: every control of the design in its class with its
// identifier, the boxes inside the swatches, the first focus and its cues.
#include "app/form1_design.h"
#include "win32/win32_window_system.h"
#include "window_checks.h"

namespace hueloom::driver {

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

}  // namespace hueloom::driver
