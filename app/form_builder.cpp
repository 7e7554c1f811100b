// Building a form's controls from its design table through a front end.
#include "app/form_builder.h"

namespace hueloom {

ControlSet BuildControls(ControlFactory& factory, std::span<const ControlDesign> design,
                         std::span<const std::string_view> tabOrder, const SinkFor& sinkFor) {
    ControlSet controls;
    for (const ControlDesign& control : design) {
        switch (control.kind) {
            case ControlKind::kPictureBox:
                controls.Add(control.name, factory.NewPictureBox(control));
                break;
            case ControlKind::kScrollBar:
                controls.Add(control.name, factory.NewScrollBar(control, sinkFor(control.name)));
                break;
            case ControlKind::kSlider:
                controls.Add(control.name, factory.NewSlider(control, sinkFor(control.name)));
                break;
            case ControlKind::kTextBox:
                controls.Add(control.name, factory.NewTextBox(control, sinkFor(control.name)));
                break;
            case ControlKind::kCommandButton:
                factory.NewCommandButton(control, sinkFor(control.name));
                break;
            case ControlKind::kLabel:
                factory.NewLabel(control);
                break;
            case ControlKind::kOptionButton:
                controls.Add(control.name, factory.NewOptionButton(control));
                break;
        }
    }
    factory.SetTabOrder(tabOrder);
    return controls;
}

}  // namespace hueloom
