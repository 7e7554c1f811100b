// A Qt window hosted in the in-process window system.
#include "host/qt/qt_hosted_window.h"

#include <vector>

#include <QPointer>
#include <QRect>
#include <QWidget>

#include "host/qt/qt_window_handles.h"

namespace hueloom {
namespace {

// Where the client area starts inside the whole window, and the whole window's size.
QPoint ClientOrigin(const QWidget& window) {
    return window.geometry().topLeft() - window.frameGeometry().topLeft();
}

QSize FrameSize(const QWidget& window) {
    return window.frameGeometry().size().expandedTo(window.size());
}

void ApplyRegion(const InProcessWindowSystem& windows, QWidget& window, Hrgn region) {
    const QRegion mask =
        ClientMaskFromRegion(windows, region, FrameSize(window), ClientOrigin(window));
    // A region that leaves the whole client area visible needs no mask.
    if (mask == QRegion(window.rect()) || mask.isEmpty()) {
        window.clearMask();
        return;
    }
    window.setMask(mask);
}

}  // namespace

QRegion ClientMaskFromRegion(const InProcessWindowSystem& windows, Hrgn region, QSize frameSize,
                             QPoint clientOrigin) {
    // One rectangle per run of pixels per row: rows in order, runs left to
    // right, which is the banded form QRegion takes as it stands.
    std::vector<QRect> runs;
    for (int y = 0; y < frameSize.height(); ++y) {
        int x = 0;
        while (x < frameSize.width()) {
            while (x < frameSize.width() && !windows.RegionContains(region, x, y)) ++x;
            const int start = x;
            while (x < frameSize.width() && windows.RegionContains(region, x, y)) ++x;
            if (x > start) runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion mask;
    mask.setRects(runs.data(), static_cast<int>(runs.size()));
    return mask.translated(-clientOrigin);
}

void SetStaysOnTop(QWidget& window, bool onTop) {
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    const bool wasShown = window.isVisible();
    // Changing a window flag hides the window; show it again only if it was shown.
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasShown) window.show();
}

Hwnd HostTopLevelWindow(InProcessWindowSystem& windows, QWidget& window,
                        std::string_view className, std::string_view title) {
    QPointer<QWidget> target(&window);
    InProcessWindowSystem* host = &windows;
    WindowCallbacks callbacks;
    callbacks.onSetWindowPos = [target](Hwnd insertAfter, std::uint32_t) {
        if (target.isNull()) return;
        if (insertAfter == kHwndTopmost) SetStaysOnTop(*target, true);
        if (insertAfter == kHwndNoTopmost) SetStaysOnTop(*target, false);
    };
    callbacks.onSetWindowRgn = [target, host](Hrgn region) {
        if (!target.isNull()) ApplyRegion(*host, *target, region);
    };
    const Hwnd handle = windows.CreateWindow(0, className, title, std::move(callbacks));
    RegisterWindowHandle(window, handle);
    return handle;
}

}  // namespace hueloom
