// Form1: the program's window, its controls by their design names, and the
// handlers of their notifications. It knows no toolkit: a front end builds
// its window and controls from the design and passes their notifications on.
#pragma once

#include <array>
#include <exception>
#include <string_view>
#include <vector>

#include "app/control_set.h"
#include "app/form1_design.h"
#include "fade/fade.h"
#include "host/control_factory.h"
#include "host/forms.h"

namespace hueloom {

// A colour column as the form holds it: its swatch and its red, green and blue bar.
struct ColourColumn {
    PictureBox& swatch;
    ScrollBar& red;
    ScrollBar& green;
    ScrollBar& blue;
};

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

    // Declared first: notifications may arrive while the rest is being built.
    bool built_ = false;
    UnloadState unload_ = UnloadState::kLoaded;
    int runningHandlers_ = 0;
    FormWindow& window_;
    ControlSet controls_;
    // Column 1 first, as the design table lists them.
    std::array<ColourColumn, kColumnCount> columns_;

  public:
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

    // Colour columns: every bar runs this one handler for its own column, on
    // the notification the design gives it.
    void ColumnUpdate(const ColourColumn& column);

    // Grey slider, Send and the live preview.
    void Slider1_Scroll();
    void Command1_Click();
    void Text1_Change();

  private:
    class HandlerScope;

    // The window's notifications.
    void Activate() override;
    bool CloseRequested() override;

    // The handlers wired to the control's notifications, each run guarded.
    NotificationSink SinkFor(std::string_view control);
    // Runs one handler unless the form is not yet whole or has unloaded. Once
    // no handler runs on an unloaded form, its window is released.
    template <typename Handler>
    void Run(Handler handler, bool sending = false) noexcept;
    // An error ends the handler, is told in Picture1 (as Send's when sending)
    // and goes no further.
    template <typename Handler>
    void Guarded(Handler handler, bool sending) noexcept;
    void TellWhyItStopped(std::exception_ptr error, bool sending) noexcept;

    // Reads the bars of columns 1..columns in order, one read per bar.
    std::vector<Component> ReadStops(int columns);
    // Disables the swatches from the last column's down to that of the given column.
    void DisableSwatchesDownTo(int column);
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
