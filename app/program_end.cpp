// The program ends by leaving its event loop once no form remains loaded.
#include "app/program_end.h"

#include <QApplication>

#include "app/form1.h"

namespace hueloom {

void EndProgramWhenNoFormRemains(QApplication& application, Form1& form) {
    QApplication::setQuitOnLastWindowClosed(false);
    // Queued, so the loop is left from its own turn, after every handler has returned.
    QObject::connect(
        &form, &Form1::Unloaded, &application,
        [] {
            if (LoadedForms().empty()) QCoreApplication::quit();
        },
        Qt::QueuedConnection);
}

}  // namespace hueloom
