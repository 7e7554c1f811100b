// A Qt window hosted in the in-process window system: the topmost band and
// the window region that the host is asked for act on the real Qt window.
#pragma once

#include <QRegion>
#include <string_view>

#include "inprocess/in_process_window_system.h"

class QWidget;

namespace hueloom {

// Creates a top-level window for the widget in the window system, registers
// its handle (WindowHandle) and returns it. SetWindowPos into or out of the
// topmost band sets the stays-on-top hint; SetWindowRgn masks the widget.
Hwnd HostTopLevelWindow(InProcessWindowSystem& windows, QWidget& window, std::string_view className,
                        std::string_view title = {});

// The pixels of a host region over a window frameSize big, in window
// coordinates (title bar and border included), moved to client coordinates:
// clientOrigin is where the client area starts inside the window.
QRegion ClientMaskFromRegion(const InProcessWindowSystem& windows, Hrgn region, QSize frameSize,
                             QPoint clientOrigin);

// Puts the window into the stays-on-top band or out of it, keeping it shown
// only when it was shown before.
void SetStaysOnTop(QWidget& window, bool onTop);

}  // namespace hueloom
