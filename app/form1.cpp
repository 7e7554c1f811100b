// Form1 built from its design: the window, every control bound to its
// design name, the colour columns, and the notifications wired once it is whole.
#include "app/form1.h"

#include <utility>

#include "app/form_builder.h"

namespace hueloom {
namespace {

ColourColumn ColumnOf(const ControlSet& controls, const ColumnDesign& design) {
    return {controls.Get<PictureBox>(design.swatch), controls.Get<ScrollBar>(design.bars[0]),
            controls.Get<ScrollBar>(design.bars[1]), controls.Get<ScrollBar>(design.bars[2])};
}

std::array<ColourColumn, kColumnCount> ColumnsOf(const ControlSet& controls) {
    const auto columns = [&]<std::size_t... k>(std::index_sequence<k...>) {
        return std::array{ColumnOf(controls, Form1Columns()[k])...};
    };
    return columns(std::make_index_sequence<kColumnCount>{});
}

}  // namespace

Form1::Form1(ControlFactory& factory)
    : window_(factory.NewFormWindow(kForm1, *this)),
      controls_(BuildControls(factory, Form1Controls(), Form1TabOrder(),
                              [this](std::string_view control) { return SinkFor(control); })),
      columns_(ColumnsOf(controls_)),
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

}  // namespace hueloom
