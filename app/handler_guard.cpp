// Telling the user why a handler stopped.
#include "app/handler_guard.h"

#include <QToolTip>
#include <QWidget>

#include "host/error.h"

namespace hueloom {

QString DescribeHandlerError(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Error& failure) {
        if (failure.number() == kOverflowErrorNumber) {
            return QStringLiteral(
                "Overflow (error 6): a line of more than 32767 characters "
                "cannot be faded.");
        }
        return QStringLiteral("%1 (error %2)")
            .arg(QString::fromStdString(failure.what()))
            .arg(failure.number());
    } catch (const std::exception& failure) {
        return QStringLiteral("Error: %1").arg(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        return QStringLiteral("An unexpected error stopped this action.");
    }
}

void ReportHandlerError(QWidget& control, std::exception_ptr error) noexcept {
    try {
        const QString message = DescribeHandlerError(error);
        QToolTip::showText(control.mapToGlobal(QPoint(0, control.height())), message, &control);
    } catch (...) {
        // Telling the user is a courtesy; the window must stay usable regardless.
    }
}

}  // namespace hueloom
