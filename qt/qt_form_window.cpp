// Form1's top-level window on Qt.
#include "qt/qt_form_window.h"

#include <QCloseEvent>

#include "qt/qt_geometry.h"
#include "qt/qt_window_handles.h"

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
    rules_.emplace(events);
    setObjectName(
        QString::fromUtf8(design.name.data(), static_cast<qsizetype>(design.name.size())));
    setWindowTitle(QString::fromStdU16String(std::u16string(design.caption)));
    const QRect client = PixelRect(design.client);
    setFixedSize(client.size());
    setGeometry(client);
}

void QtFormWindow::Adopt(std::unique_ptr<Form> form) { form_ = std::move(form); }

Hwnd QtFormWindow::hWnd() { return WindowHandle(*this); }

void QtFormWindow::Close() {
    if (rules_) rules_->CloseForGood();
    close();
}

void QtFormWindow::setVisible(bool visible) {
    if (visible && rules_ && !rules_->MayShow()) return;
    QWidget::setVisible(visible);
}

void QtFormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!rules_ || !rules_->Shown()) return;
    QMetaObject::invokeMethod(
        this, [this] { rules_->RunQueuedActivate(); }, Qt::QueuedConnection);
}

void QtFormWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(!rules_ || rules_->CloseAsked());
}

}  // namespace hueloom
