// The text box: Change once per change of its text, after the event that made it.
#include "app/text_box.h"

namespace hueloom {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (eventDepth_ > 0) {
            ++pendingChanges_;
        } else {
            emit Change();
        }
    });
}

bool TextBox::event(QEvent* event) {
    ++eventDepth_;
    const bool handled = QLineEdit::event(event);
    --eventDepth_;
    // Changes made by an event handled inside a Change handler are raised by that event.
    while (eventDepth_ == 0 && pendingChanges_ > 0) {
        --pendingChanges_;
        emit Change();
    }
    return handled;
}

}  // namespace hueloom
