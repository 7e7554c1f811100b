// The controls of a window as the window's logic sees them: the few
// properties it reads and sets, and the notifications they raise.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "host/control_design.h"
#include "host/window_system.h"

namespace hueloom {

class DrawingSurface;

enum class Notification { kScroll, kChange, kClick };

// Where a control sends its notifications; empty when nothing is wired to it.
using NotificationSink = std::function<void(Notification)>;

// A vertical scroll bar: Scroll while its thumb is dragged, Change once its
// value has changed by any other move or at the end of a drag.
class ScrollBar {
  public:
    virtual ~ScrollBar() = default;
    virtual int Value() = 0;
};

// A slider: Scroll for every move the user makes.
class Slider {
  public:
    virtual ~Slider() = default;
    virtual int Value() = 0;
};

// An option button of the window's one exclusive group.
class OptionButton {
  public:
    virtual ~OptionButton() = default;
    virtual bool Value() = 0;
};

// A single-line text box: Change on every change of its text.
class TextBox {
  public:
    virtual ~TextBox() = default;
    virtual std::u16string Text() = 0;
    // Packed colour value: red + 256 * green + 65536 * blue.
    virtual void SetBackColor(std::int32_t colour) = 0;
};

// A picture box: a background colour, a drawing surface, and whether it takes input.
class PictureBox {
  public:
    virtual ~PictureBox() = default;
    // Shown at once, in every state: disabling the box does not grey it.
    virtual void SetBackColor(std::int32_t colour) = 0;
    // False stops mouse and keyboard input without changing what is shown.
    virtual void SetEnabled(bool enabled) = 0;
    virtual DrawingSurface& Surface() = 0;
};

// What a form's window tells the form.
class FormEvents {
  public:
    virtual ~FormEvents() = default;
    // Once, right after the window is first shown.
    virtual void Activate() = 0;
    // The user closes the window; true lets it close now.
    virtual bool CloseRequested() = 0;
};

// A form's top-level window.
class FormWindow {
  public:
    virtual ~FormWindow() = default;
    // The window's handle in the host window system, 0 when it has none.
    virtual Hwnd hWnd() = 0;
    // The dots per inch it is shown at, which its region is scaled by. A
    // toolkit that scales a window whole, region included, shows it at 96.
    virtual int Dpi() { return kDesignDpi; }
    // Off the screen for good; it raises nothing more.
    virtual void Close() = 0;
    // No handler of the form is running any longer: the toolkit may destroy
    // the window, and the form with it, from its own event loop.
    virtual void Release() = 0;
};

}  // namespace hueloom
