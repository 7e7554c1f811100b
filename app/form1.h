// Form1: the program's window, its controls by their design names, and one
// handler per control notification. It knows no toolkit: a front end builds
// its window and controls from the design and passes their notifications on.
#pragma once

#include <array>
#include <exception>
#include <string_view>
#include <vector>

#include "app/control_set.h"
#include "fade/fade.h"
#include "host/control_factory.h"
#include "host/forms.h"

namespace hueloom {

class Form1 final : public Form, private FormEvents {
  public:
    // Builds the window and every control through the front end, from the design.
    explicit Form1(ControlFactory& factory);
    ~Form1();

    // The window's handle in the host window system, 0 when it has none.
    Hwnd hWnd();
    // True from the start of its unload on: it takes no further part.
    bool IsUnloading() const { return unload_ != UnloadState::kLoaded; }
    // Runs the unload sequence and closes the window for good.
    void Unload() override;

  private:
    enum class UnloadState { kLoaded, kUnloading, kUnloaded };
    using Handler = void (Form1::*)();

    // Declared first: notifications may arrive while the rest is being built.
    bool built_ = false;
    UnloadState unload_ = UnloadState::kLoaded;
    int runningHandlers_ = 0;
    FormWindow& window_;
    ControlSet controls_;

  public:
    // The ten colour columns: swatch, then red, green and blue bar.
    PictureBox& Color1;
    ScrollBar& red1;
    ScrollBar& Green1;
    ScrollBar& Blue1;
    PictureBox& Color2;
    ScrollBar& red2;
    ScrollBar& Green2;
    ScrollBar& Blue2;
    PictureBox& Color3;
    ScrollBar& red3;
    ScrollBar& Green3;
    ScrollBar& Blue3;
    PictureBox& color4;
    ScrollBar& red4;
    ScrollBar& green4;
    ScrollBar& blue4;
    PictureBox& color5;
    ScrollBar& red5;
    ScrollBar& green5;
    ScrollBar& blue5;
    PictureBox& color6;
    ScrollBar& red61;
    ScrollBar& green6;
    ScrollBar& blue6;
    PictureBox& color7;
    ScrollBar& red7;
    ScrollBar& green7;
    ScrollBar& blue7;
    PictureBox& color8;
    ScrollBar& red8;
    ScrollBar& green8;
    ScrollBar& blue8;
    PictureBox& color9;
    ScrollBar& red9;
    ScrollBar& green9;
    ScrollBar& blue9;
    PictureBox& color10;
    ScrollBar& red10;
    ScrollBar& green10;
    ScrollBar& blue10;

    Slider& Slider1;
    TextBox& Text1;
    PictureBox& Picture1;
    OptionButton& fade3;
    OptionButton& fade4;
    OptionButton& fade5;
    OptionButton& fade10;

    // Window.
    void Form_Activate();
    void Form_Unload(bool& cancel);

    // Colour columns: each repaints its own column's swatch from its bars.
    void red1_Scroll();
    void Green1_Scroll();
    void Blue1_Scroll();
    void red2_Scroll();
    void Green2_Scroll();
    void Blue2_Scroll();
    void red3_Scroll();
    void Green3_Scroll();
    void Blue3_Scroll();
    void red4_Scroll();
    void green4_Scroll();
    void blue4_Scroll();
    void red5_Scroll();
    void green5_Scroll();
    void blue5_Scroll();
    void red61_Change();
    void green6_Scroll();
    void blue6_Scroll();
    void red7_Scroll();
    void green7_Scroll();
    void blue7_Scroll();
    void red8_Scroll();
    void green8_Scroll();
    void blue8_Scroll();
    void red9_Scroll();
    void green9_Scroll();
    void blue9_Scroll();
    void red10_Scroll();
    void green10_Scroll();
    void blue10_Scroll();

    // Grey slider, Send and the live preview.
    void Slider1_Scroll();
    void Command1_Click();
    void Text1_Change();

  private:
    class HandlerScope;

    // The window's notifications.
    void Activate() override;
    bool CloseRequested() override;
    void RunUnloadHandler();

    // The handlers wired to the control's notifications, each run guarded.
    NotificationSink SinkFor(std::string_view control);
    // Runs one handler unless the form is not yet whole or has unloaded. Once
    // no handler runs on an unloaded form, its window is released.
    void Run(Handler handler) noexcept;
    // An error ends the handler, is told in Picture1 and goes no further.
    void Guarded(Handler handler) noexcept;
    void TellWhyItStopped(std::exception_ptr error, bool sending) noexcept;

    // The thirty bars, column by column, red, green, blue within a column.
    std::array<ScrollBar*, 30> Bars();
    std::array<PictureBox*, 10> Swatches();
    // Reads the bars of columns 1..columns in order, one read per bar.
    std::vector<Component> ReadStops(int columns);
    // Disables the swatches from color10 down to that of the given column.
    void DisableSwatchesDownTo(int column);
    void PaintSwatch(PictureBox& swatch, ScrollBar& red, ScrollBar& green, ScrollBar& blue);
    // One block of Send and of the preview over the first `columns` columns.
    // False when the form began to unload during one of its yields: the
    // handler then stops, abandoning the rest.
    bool SendFaded(int columns);
    bool PreviewFaded(int columns, bool wavy);
};

// Puts the form's window into the topmost band; any error is ignored.
void StayOnTop(Form1& form);
// Unloads every loaded form; a form already unloading is left to finish.
void UnloadAllForms();

}  // namespace hueloom
