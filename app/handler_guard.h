// Runs a handler so that an error ends that handler and nothing else.
#pragma once

#include <QString>
#include <exception>
#include <utility>

class QWidget;

namespace hueloom {

// What the user is told about an error that ended a handler.
QString DescribeHandlerError(std::exception_ptr error);

// Tells the user, in a tooltip by the control whose handler failed, why it stopped.
void ReportHandlerError(QWidget& control, std::exception_ptr error) noexcept;

// Runs the handler; an error it raises ends it, is reported beside the
// control, and goes no further: nothing reaches Qt's event loop.
template <typename Handler>
void RunHandler(QWidget& control, Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        ReportHandlerError(control, std::current_exception());
    }
}

}  // namespace hueloom
