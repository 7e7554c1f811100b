// Builds Form1's window and controls as Qt widgets, each named by its design
// name and placed from its twips.
#pragma once

#include "host/control_factory.h"
#include "host/made_controls.h"

class QWidget;

namespace hueloom {

class CompactStyle;
class QtFormWindow;

class QtControlFactory final : public ControlFactory {
  public:
    explicit QtControlFactory(QtFormWindow& window);

    FormWindow& NewFormWindow(const FormDesign& design, FormEvents& events) override;
    ScrollBar& NewScrollBar(const ControlDesign& design, NotificationSink sink) override;
    Slider& NewSlider(const ControlDesign& design, NotificationSink sink) override;
    TextBox& NewTextBox(const ControlDesign& design, NotificationSink sink) override;
    PictureBox& NewPictureBox(const ControlDesign& design) override;
    OptionButton& NewOptionButton(const ControlDesign& design) override;
    void NewCommandButton(const ControlDesign& design, NotificationSink sink) override;
    void NewLabel(const ControlDesign& design) override;
    void SetTabOrder(std::span<const std::string_view> names) override;

  private:
    // The design's container: the window, or the picture box it names.
    QWidget* Container(const ControlDesign& design) const;
    // Names the widget and places it in its container's inner area.
    template <typename Widget>
    Widget& Place(Widget* widget, const ControlDesign& design);

    QtFormWindow& window_;
    CompactStyle* style_;  // owned by the window
    MadeControls<QWidget*> made_;
};

}  // namespace hueloom
