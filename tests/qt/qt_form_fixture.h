// Form1 on Qt widgets beside the chat client's windows, its controls found by name.
#pragma once

#include <QPointer>
#include <QWidget>

#include "qt/qt_form1.h"
#include "qt/qt_hosted_window.h"
#include "support/chat_fixture.h"

namespace hueloom::testing {

struct QtFormFixture : ChatFixture {
    QPointer<QWidget> form = NewQtForm1();
    Hwnd window = HostTopLevelWindow(windows, *form, "HueloomForm", "Hueloom 2.0");

    ~QtFormFixture() { delete form; }

    template <typename Widget>
    Widget* Find(const char* name) const {
        return form->findChild<Widget*>(QString::fromLatin1(name));
    }
};

}  // namespace hueloom::testing
