// Form1's top-level window on Qt.
#include "host/qt/qt_form_window.h"

#include <QCloseEvent>

#include "app/form1.h"
#include "host/qt/qt_geometry.h"
#include "host/qt/qt_window_handles.h"

namespace hueloom {
namespace {

constexpr Qt::WindowFlags kFixedWindowWithCloseOnly =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

}  // namespace

QtFormWindow::QtFormWindow() : QWidget(nullptr, kFixedWindowWithCloseOnly) {}

// The form first: its controls are this window's children.
QtFormWindow::~QtFormWindow() { form_.reset(); }

void QtFormWindow::Configure(const FormDesign& design, FormEvents& events) {
    events_ = &events;
    setObjectName(
        QString::fromUtf8(design.name.data(), static_cast<qsizetype>(design.name.size())));
    setWindowTitle(QString::fromStdU16String(std::u16string(design.caption)));
    const QRect client = PixelRect(design.client);
    setFixedSize(client.size());
    setGeometry(client);
}

void QtFormWindow::Adopt(std::unique_ptr<Form1> form) { form_ = std::move(form); }

Hwnd QtFormWindow::hWnd() { return WindowHandle(*this); }

void QtFormWindow::Close() {
    closedForGood_ = true;
    close();
}

void QtFormWindow::setVisible(bool visible) {
    if (visible && closedForGood_) return;
    QWidget::setVisible(visible);
}

void QtFormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (activationQueued_ || events_ == nullptr) return;
    activationQueued_ = true;
    // Activate once, in the event loop's first turn after the window is first shown.
    QMetaObject::invokeMethod(
        this, [this] { events_->Activate(); }, Qt::QueuedConnection);
}

void QtFormWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(events_ == nullptr || events_->CloseRequested());
}

}  // namespace hueloom
