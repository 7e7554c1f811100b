// Form1 built from its design: the window, every control bound to its
// design name, and the notifications wired once it is whole.
#include "app/form1.h"

#include "app/form1_design.h"
#include "app/form_builder.h"

namespace hueloom {

Form1::Form1(ControlFactory& factory)
    : window_(factory.NewFormWindow(kForm1, *this)),
      controls_(BuildControls(factory, Form1Controls(), Form1TabOrder(),
                              [this](std::string_view control) { return SinkFor(control); })),
      Color1(controls_.Get<PictureBox>("Color1")),
      red1(controls_.Get<ScrollBar>("red1")),
      Green1(controls_.Get<ScrollBar>("Green1")),
      Blue1(controls_.Get<ScrollBar>("Blue1")),
      Color2(controls_.Get<PictureBox>("Color2")),
      red2(controls_.Get<ScrollBar>("red2")),
      Green2(controls_.Get<ScrollBar>("Green2")),
      Blue2(controls_.Get<ScrollBar>("Blue2")),
      Color3(controls_.Get<PictureBox>("Color3")),
      red3(controls_.Get<ScrollBar>("red3")),
      Green3(controls_.Get<ScrollBar>("Green3")),
      Blue3(controls_.Get<ScrollBar>("Blue3")),
      color4(controls_.Get<PictureBox>("color4")),
      red4(controls_.Get<ScrollBar>("red4")),
      green4(controls_.Get<ScrollBar>("green4")),
      blue4(controls_.Get<ScrollBar>("blue4")),
      color5(controls_.Get<PictureBox>("color5")),
      red5(controls_.Get<ScrollBar>("red5")),
      green5(controls_.Get<ScrollBar>("green5")),
      blue5(controls_.Get<ScrollBar>("blue5")),
      color6(controls_.Get<PictureBox>("color6")),
      red61(controls_.Get<ScrollBar>("red61")),
      green6(controls_.Get<ScrollBar>("green6")),
      blue6(controls_.Get<ScrollBar>("blue6")),
      color7(controls_.Get<PictureBox>("color7")),
      red7(controls_.Get<ScrollBar>("red7")),
      green7(controls_.Get<ScrollBar>("green7")),
      blue7(controls_.Get<ScrollBar>("blue7")),
      color8(controls_.Get<PictureBox>("color8")),
      red8(controls_.Get<ScrollBar>("red8")),
      green8(controls_.Get<ScrollBar>("green8")),
      blue8(controls_.Get<ScrollBar>("blue8")),
      color9(controls_.Get<PictureBox>("color9")),
      red9(controls_.Get<ScrollBar>("red9")),
      green9(controls_.Get<ScrollBar>("green9")),
      blue9(controls_.Get<ScrollBar>("blue9")),
      color10(controls_.Get<PictureBox>("color10")),
      red10(controls_.Get<ScrollBar>("red10")),
      green10(controls_.Get<ScrollBar>("green10")),
      blue10(controls_.Get<ScrollBar>("blue10")),
      Slider1(controls_.Get<Slider>("Slider1")),
      Text1(controls_.Get<TextBox>("Text1")),
      Picture1(controls_.Get<PictureBox>("Picture1")),
      fade3(controls_.Get<OptionButton>("fade3")),
      fade4(controls_.Get<OptionButton>("fade4")),
      fade5(controls_.Get<OptionButton>("fade5")),
      fade10(controls_.Get<OptionButton>("fade10")) {
    built_ = true;
}

Form1::~Form1() = default;

Hwnd Form1::hWnd() { return window_.hWnd(); }

std::array<ScrollBar*, 30> Form1::Bars() {
    return {&red1,   &Green1, &Blue1,  &red2,   &Green2,  &Blue2,  &red3,   &Green3,
            &Blue3,  &red4,   &green4, &blue4,  &red5,    &green5, &blue5,  &red61,
            &green6, &blue6,  &red7,   &green7, &blue7,   &red8,   &green8, &blue8,
            &red9,   &green9, &blue9,  &red10,  &green10, &blue10};
}

std::array<PictureBox*, 10> Form1::Swatches() {
    return {&Color1, &Color2, &Color3, &color4, &color5,
            &color6, &color7, &color8, &color9, &color10};
}

}  // namespace hueloom
