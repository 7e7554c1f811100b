// Form1's start and close: the announcements, the topmost band and the
// window region, and unloading every form.
#include <QApplication>
#include <QCloseEvent>
#include <QPointer>

#include "app/form1.h"
#include "app/handler_guard.h"
#include "chatlink/chatlink.h"
#include "fade/fade.h"
#include "host/window_shape.h"

namespace hueloom {
namespace {

// Black, red and dark red, as packed colour values in decimal text.
std::u16string Announcement(std::u16string_view text) {
    return FadeThreeValues(u"0", u"255", u"100", text, true);
}

}  // namespace

void Form1::Form_Activate() {
    SendChatLine(Announcement(u"Hueloom Loaded"));
    // A close during the announcement's yields leaves nothing to shape.
    if (IsUnloading()) return;
    StayOnTop(*this);
    ApplyNotchedRegion(hWnd());
}

void Form1::Form_Unload(bool& /*cancel: an unload is never refused*/) {
    SendChatLine(Announcement(u"Hueloom Unload"));
    UnloadAllForms();
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (activationQueued_) return;
    activationQueued_ = true;
    // Activate once, in the event loop's first turn after the window is first shown.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!IsUnloading()) RunHandler(*this, [this] { Form_Activate(); });
        },
        Qt::QueuedConnection);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (unload_ == UnloadState::kUnloading) {
        // Its own unload is still running and closes the window when it ends.
        event->ignore();
        return;
    }
    event->accept();
    if (unload_ == UnloadState::kUnloaded) return;
    unload_ = UnloadState::kUnloading;
    bool cancel = false;
    RunHandler(*this, [this, &cancel] { Form_Unload(cancel); });
    unload_ = UnloadState::kUnloaded;
    emit Unloaded();
}

void Form1::setVisible(bool visible) {
    // An unloaded form never comes back.
    if (visible && unload_ == UnloadState::kUnloaded) return;
    QWidget::setVisible(visible);
}

void StayOnTop(Form1& form) {
    try {
        MakeTopmost(form.hWnd());
    } catch (...) {
        // The topmost band is a nicety; the window works without it.
    }
}

std::vector<Form1*> LoadedForms() {
    std::vector<Form1*> forms;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<Form1*>(window);
        if (form != nullptr && !form->IsUnloading()) forms.push_back(form);
    }
    return forms;
}

void UnloadAllForms() {
    std::vector<QPointer<Form1>> forms;
    for (Form1* form : LoadedForms()) forms.emplace_back(form);
    for (const QPointer<Form1>& form : forms) {
        // A form's unload may run further handlers; check each before closing it.
        if (!form.isNull() && !form->IsUnloading()) form->close();
    }
}

}  // namespace hueloom
