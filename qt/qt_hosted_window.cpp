// A Qt window hosted in the in-process window system.
#include "qt/qt_hosted_window.h"

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

#include "qt/qt_window_handles.h"

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
    const QRegion client(window.rect());
    const QRegion mask =
        ClientMaskFromRegion(windows, region, FrameSize(window), ClientOrigin(window))
            .intersected(client);
    // A region that leaves the whole client area visible needs no mask; nor
    // does no region at all, which is how the host takes a region away.
    if (mask.isEmpty() || client.subtracted(mask).isEmpty()) {
        window.clearMask();
        return;
    }
    window.setMask(mask);
}

// Runs of pixels per row; a row with the same runs as the one above extends it.
void AddRow(std::vector<QRect>& rects, std::size_t& previousRow, const std::vector<QRect>& row) {
    const std::size_t previousCount = rects.size() - previousRow;
    bool same = previousCount == row.size() && !row.empty();
    for (std::size_t i = 0; same && i < row.size(); ++i) {
        const QRect& above = rects[previousRow + i];
        same = above.left() == row[i].left() && above.right() == row[i].right() &&
               above.bottom() + 1 == row[i].top();
    }
    if (same) {
        for (std::size_t i = 0; i < row.size(); ++i) rects[previousRow + i].setBottom(row[i].top());
        return;
    }
    previousRow = rects.size();
    rects.insert(rects.end(), row.begin(), row.end());
}

}  // namespace

QRegion ClientMaskFromRegion(const InProcessWindowSystem& windows, Hrgn region, QSize frameSize,
                             QPoint clientOrigin) {
    // Bands of rows in order, runs left to right within each: the form
    // QRegion takes as it stands.
    std::vector<QRect> rects;
    std::size_t previousRow = 0;
    std::vector<QRect> row;
    for (int y = 0; y < frameSize.height(); ++y) {
        row.clear();
        int x = 0;
        while (x < frameSize.width()) {
            while (x < frameSize.width() && !windows.RegionContains(region, x, y)) ++x;
            const int start = x;
            while (x < frameSize.width() && windows.RegionContains(region, x, y)) ++x;
            if (x > start) row.emplace_back(start, y, x - start, 1);
        }
        AddRow(rects, previousRow, row);
    }
    QRegion mask;
    mask.setRects(rects.data(), static_cast<int>(rects.size()));
    return mask.translated(-clientOrigin);
}

void SetStaysOnTop(QWidget& window, bool onTop) {
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
    const bool wasShown = window.isVisible();
    // Changing a window flag hides the window; show it again only if it was shown.
    window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasShown) window.show();
}

Hwnd HostTopLevelWindow(InProcessWindowSystem& windows, QWidget& window, std::string_view className,
                        std::string_view title) {
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
    const Hwnd handle = windows.AddWindow(0, className, title, std::move(callbacks));
    RegisterWindowHandle(window, handle);
    return handle;
}

}  // namespace hueloom
