// Which host window-system handle stands for which Qt window.
#include "qt/qt_window_handles.h"

#include <QHash>
#include <QObject>
#include <QWidget>

namespace hueloom {
namespace {

// One user-interface thread: a plain table is all the registry needs.
QHash<const QWidget*, Hwnd>& Handles() {
    static QHash<const QWidget*, Hwnd> handles;
    return handles;
}

}  // namespace

void RegisterWindowHandle(QWidget& window, Hwnd handle) {
    const bool known = Handles().contains(&window);
    Handles().insert(&window, handle);
    if (known) return;
    const QWidget* key = &window;
    QObject::connect(&window, &QObject::destroyed, [key] { Handles().remove(key); });
}

Hwnd WindowHandle(const QWidget& window) { return Handles().value(&window, 0); }

}  // namespace hueloom
