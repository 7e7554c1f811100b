// Builds Form1's window and controls as Qt widgets.
#include "qt/qt_control_factory.h"

#include <QLabel>
#include <QPushButton>

#include "qt/qt_compact_style.h"
#include "qt/qt_form_window.h"
#include "qt/qt_geometry.h"
#include "qt/qt_option_button.h"
#include "qt/qt_picture_box.h"
#include "qt/qt_scroll_bar.h"
#include "qt/qt_slider.h"
#include "qt/qt_text_box.h"

namespace hueloom {
namespace {

QString ToQString(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString ToQString(std::u16string_view caption) {
    return QString(reinterpret_cast<const QChar*>(caption.data()),
                   static_cast<qsizetype>(caption.size()));
}

void SetRange(QAbstractSlider& control, const ControlDesign& design) {
    control.setRange(design.min, design.max);
    control.setSingleStep(design.smallChange);
    control.setPageStep(design.largeChange);
    control.setValue(design.min);
}

}  // namespace

QtControlFactory::QtControlFactory(QtFormWindow& window)
    : window_(window), style_(new CompactStyle()) {
    // The application's own style made compact for the narrow controls.
    style_->setParent(&window_);
    made_.SetWindow(&window_);
}

FormWindow& QtControlFactory::NewFormWindow(const FormDesign& design, FormEvents& events) {
    window_.Configure(design, events);
    return window_;
}

QWidget* QtControlFactory::Container(const ControlDesign& design) const {
    return made_.Container(design);
}

template <typename Widget>
Widget& QtControlFactory::Place(Widget* widget, const ControlDesign& design) {
    widget->setObjectName(ToQString(design.name));
    widget->setAccessibleName(ToQString(design.accessibleName));
    widget->setAccessibleDescription(ToQString(design.accessibleDescription));
    const QWidget* container = Container(design);
    // Inside a picture box, places count from within its border.
    const QPoint origin = container == &window_ ? QPoint() : container->contentsRect().topLeft();
    widget->setGeometry(PixelRect(design.place).translated(origin));
    made_.Add(design.name, widget, widget->focusPolicy() != Qt::NoFocus);
    return *widget;
}

ScrollBar& QtControlFactory::NewScrollBar(const ControlDesign& design, NotificationSink sink) {
    auto* bar = new QtScrollBar(std::move(sink), Container(design));
    SetRange(*bar, design);
    bar->setStyle(style_);
    return Place(bar, design);
}

Slider& QtControlFactory::NewSlider(const ControlDesign& design, NotificationSink sink) {
    auto* slider = new QtSlider(std::move(sink), Container(design));
    SetRange(*slider, design);
    return Place(slider, design);
}

TextBox& QtControlFactory::NewTextBox(const ControlDesign& design, NotificationSink sink) {
    return Place(new QtTextBox(std::move(sink), Container(design)), design);
}

PictureBox& QtControlFactory::NewPictureBox(const ControlDesign& design) {
    return Place(new QtPictureBox(design.accessibleValue, Container(design)), design);
}

OptionButton& QtControlFactory::NewOptionButton(const ControlDesign& design) {
    // Siblings on the window, so Qt makes the options one exclusive group.
    auto* option = new QtOptionButton(ToQString(design.caption), Container(design));
    option->setChecked(design.selected);
    option->setStyle(style_);
    return Place(option, design);
}

void QtControlFactory::NewCommandButton(const ControlDesign& design, NotificationSink sink) {
    auto* button = new QPushButton(ToQString(design.caption), Container(design));
    button->setAutoDefault(false);
    if (sink) {
        QObject::connect(button, &QPushButton::clicked, button,
                         [sink = std::move(sink)] { sink(Notification::kClick); });
    }
    Place(button, design);
}

void QtControlFactory::NewLabel(const ControlDesign& design) {
    Place(new QLabel(ToQString(design.caption), Container(design)), design);
}

void QtControlFactory::SetTabOrder(std::span<const std::string_view> names) {
    QWidget* previous = nullptr;
    for (QWidget* widget : made_.TabOrder(names)) {
        if (previous == nullptr) {
            widget->setFocus();
        } else {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

}  // namespace hueloom
