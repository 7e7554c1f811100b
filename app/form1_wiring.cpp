// Every control notification of Form1 wired to its handler, each run guarded.
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include "app/form1.h"
#include "app/handler_guard.h"
#include "app/scroll_notifications.h"
#include "app/text_box.h"

namespace hueloom {

void Form1::ConnectHandlers() {
    using Handler = void (Form1::*)();
    const auto guarded = [this](QWidget* control, Handler handler) -> Notification {
        return [this, control, handler] { RunHandler(*control, [&] { (this->*handler)(); }); };
    };
    const auto onScroll = [&](QScrollBar* bar, Handler handler) {
        ConnectScrollBarNotifications(*bar, guarded(bar, handler), {});
    };

    onScroll(red1, &Form1::red1_Scroll);
    onScroll(Green1, &Form1::Green1_Scroll);
    onScroll(Blue1, &Form1::Blue1_Scroll);
    onScroll(red2, &Form1::red2_Scroll);
    onScroll(Green2, &Form1::Green2_Scroll);
    onScroll(Blue2, &Form1::Blue2_Scroll);
    onScroll(red3, &Form1::red3_Scroll);
    onScroll(Green3, &Form1::Green3_Scroll);
    onScroll(Blue3, &Form1::Blue3_Scroll);
    onScroll(red4, &Form1::red4_Scroll);
    onScroll(green4, &Form1::green4_Scroll);
    onScroll(blue4, &Form1::blue4_Scroll);
    onScroll(red5, &Form1::red5_Scroll);
    onScroll(green5, &Form1::green5_Scroll);
    onScroll(blue5, &Form1::blue5_Scroll);
    ConnectScrollBarNotifications(*red61, {}, guarded(red61, &Form1::red61_Change));
    onScroll(green6, &Form1::green6_Scroll);
    onScroll(blue6, &Form1::blue6_Scroll);
    onScroll(red7, &Form1::red7_Scroll);
    onScroll(green7, &Form1::green7_Scroll);
    onScroll(blue7, &Form1::blue7_Scroll);
    onScroll(red8, &Form1::red8_Scroll);
    onScroll(green8, &Form1::green8_Scroll);
    onScroll(blue8, &Form1::blue8_Scroll);
    onScroll(red9, &Form1::red9_Scroll);
    onScroll(green9, &Form1::green9_Scroll);
    onScroll(blue9, &Form1::blue9_Scroll);
    onScroll(red10, &Form1::red10_Scroll);
    onScroll(green10, &Form1::green10_Scroll);
    onScroll(blue10, &Form1::blue10_Scroll);

    ConnectSliderScroll(*Slider1, guarded(Slider1, &Form1::Slider1_Scroll));
    const Notification textChange = guarded(Text1, &Form1::Text1_Change);
    connect(static_cast<TextBox*>(Text1), &TextBox::Change, this, [textChange] { textChange(); });
    const Notification click = guarded(Command1, &Form1::Command1_Click);
    connect(Command1, &QPushButton::clicked, this, [click] { click(); });
}

}  // namespace hueloom
