// The toolkit's DoEvents for a program running Qt's event loop.
#include "qt/qt_toolkit.h"

#include <QCoreApplication>

namespace hueloom {

void QtToolkit::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

}  // namespace hueloom
