// Which host window-system handle stands for which Qt window.
#pragma once

#include "host/window_system.h"

class QWidget;

namespace hueloom {

// Records the handle of a window; the entry goes when the widget is destroyed.
void RegisterWindowHandle(QWidget& window, Hwnd handle);
// The handle registered for the window, 0 when there is none.
Hwnd WindowHandle(const QWidget& window);

}  // namespace hueloom
