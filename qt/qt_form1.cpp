// Form1 on Qt widgets: the design built by the Qt factory into its window.
#include "qt/qt_form1.h"

#include <memory>

#include "app/form1.h"
#include "qt/qt_control_factory.h"
#include "qt/qt_form_window.h"

namespace hueloom {

QWidget* NewQtForm1() {
    auto* window = new QtFormWindow();
    QtControlFactory factory(*window);
    window->Adopt(std::make_unique<Form1>(factory));
    return window;
}

}  // namespace hueloom
