// The text box on Qt: Change once per change of its text, after the event that made it.
#include "qt/qt_text_box.h"

#include <limits>

#include "qt/qt_colour.h"

namespace hueloom {

QtTextBox::QtTextBox(NotificationSink sink, QWidget* parent)
    : QLineEdit(parent), sink_(std::move(sink)) {
    // Qt would cut a longer line at 32767 characters; nothing typed may be lost.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (eventDepth_ > 0) {
            ++pendingChanges_;
        } else {
            RaiseChange();
        }
    });
}

void QtTextBox::SetBackColor(std::int32_t colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ToQColor(colour));
    setPalette(colours);
}

bool QtTextBox::event(QEvent* event) {
    ++eventDepth_;
    const bool handled = QLineEdit::event(event);
    --eventDepth_;
    // Changes made by an event handled inside a Change handler are raised by that event.
    while (eventDepth_ == 0 && pendingChanges_ > 0) {
        --pendingChanges_;
        RaiseChange();
    }
    return handled;
}

void QtTextBox::RaiseChange() {
    if (sink_) sink_(Notification::kChange);
}

}  // namespace hueloom
