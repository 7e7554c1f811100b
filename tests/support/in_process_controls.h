// An in-process toolkit for a form's window and controls: each holds its
// value, writes down every read and set in one shared log, and offers the
// user's moves (drag a thumb, type, click, close) that raise the
// notifications a real toolkit would.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/control_factory.h"
#include "host/form_window_rules.h"
#include "host/scroll_drag.h"
#include "support/recording_surface.h"

namespace hueloom {

// Reads and sets in order: "red1.Value" for a read, "Color1.BackColor=255",
// "color10.Enabled=False", "Text1.Text", "Text1.BackColor=...".
using ControlLog = std::vector<std::string>;

// What the scroll bar and the slider share: a value, read into the log, and a sink.
class InProcessValue {
  public:
    InProcessValue(const ControlDesign& design, NotificationSink sink, ControlLog& log);
    int value() const { return value_; }

  protected:
    int LoggedValue();

    ControlDesign design_;
    NotificationSink sink_;
    ControlLog& log_;
    int value_;
};

class InProcessScrollBar final : public ScrollBar, public InProcessValue {
  public:
    using InProcessValue::InProcessValue;
    int Value() override { return LoggedValue(); }
    // The thumb held and moved: Scroll when the value changes.
    void Drag(int to);
    // The thumb let go: Change when the drag changed the value.
    void EndDrag();
    // An arrow, the track, the keyboard or code: Change when the value changes.
    void Move(int to);

  private:
    ScrollDrag drag_;
};

class InProcessSlider final : public Slider, public InProcessValue {
  public:
    using InProcessValue::InProcessValue;
    int Value() override { return LoggedValue(); }
    // The user moves it by mouse or keyboard: Scroll when the value changes.
    void Move(int to);
};

class InProcessOptionButton final : public OptionButton {
  public:
    InProcessOptionButton(const ControlDesign& design, ControlLog& log);
    bool Value() override;
    bool value() const { return value_; }
    // Sets this one alone; Select clears the rest of its group first.
    void SetValue(bool value) { value_ = value; }

  private:
    ControlDesign design_;
    ControlLog& log_;
    bool value_;
};

class InProcessTextBox final : public TextBox {
  public:
    InProcessTextBox(const ControlDesign& design, NotificationSink sink, ControlLog& log);
    std::u16string Text() override;
    void SetBackColor(std::int32_t colour) override;
    const std::u16string& text() const { return text_; }
    std::optional<std::int32_t> backColor() const { return backColor_; }
    // Typing, pasting, deleting or code: Change when the text changes.
    void SetText(std::u16string text);
    // Types each character in turn at the end, one Change each.
    void Type(std::u16string_view characters);

  private:
    ControlDesign design_;
    NotificationSink sink_;
    ControlLog& log_;
    std::u16string text_;
    std::optional<std::int32_t> backColor_;
};

class InProcessPictureBox final : public PictureBox {
  public:
    InProcessPictureBox(const ControlDesign& design, ControlLog& log);
    void SetBackColor(std::int32_t colour) override;
    void SetEnabled(bool enabled) override;
    DrawingSurface& Surface() override { return surface_; }
    // None until first set: the box shows the button-face colour.
    std::optional<std::int32_t> backColor() const { return backColor_; }
    bool enabled() const { return enabled_; }
    RecordingSurface& surface() { return surface_; }

  private:
    ControlDesign design_;
    ControlLog& log_;
    RecordingSurface surface_;
    std::optional<std::int32_t> backColor_;
    bool enabled_ = true;
};

class InProcessFormWindow final : public FormWindow {
  public:
    InProcessFormWindow(const FormDesign& design, FormEvents& events, Hwnd handle);
    Hwnd hWnd() override { return handle_; }
    int Dpi() override { return dpi_; }
    void Close() override { rules_.CloseForGood(); }
    void Release() override { released_ = true; }

    // The first show raises Activate; a closed window is never shown again.
    void Show();
    // The close box: closes when the form lets it.
    void UserClose();
    // Shown on a display of this many dots per inch.
    void SetDpi(int dpi) { dpi_ = dpi; }
    bool shown() const { return shown_ && rules_.MayShow(); }
    bool closed() const { return !rules_.MayShow(); }
    bool released() const { return released_; }
    const FormDesign& design() const { return design_; }

  private:
    FormDesign design_;
    FormWindowRules rules_;
    Hwnd handle_;
    int dpi_ = kDesignDpi;
    bool shown_ = false;
    bool released_ = false;
};

class InProcessControls final : public ControlFactory {
  public:
    // The window's handle in the host window system, as hWnd reports it.
    explicit InProcessControls(Hwnd window = 0);
    ~InProcessControls() override;

    FormWindow& NewFormWindow(const FormDesign& design, FormEvents& events) override;
    ScrollBar& NewScrollBar(const ControlDesign& design, NotificationSink sink) override;
    Slider& NewSlider(const ControlDesign& design, NotificationSink sink) override;
    TextBox& NewTextBox(const ControlDesign& design, NotificationSink sink) override;
    PictureBox& NewPictureBox(const ControlDesign& design) override;
    OptionButton& NewOptionButton(const ControlDesign& design) override;
    void NewCommandButton(const ControlDesign& design, NotificationSink sink) override;
    void NewLabel(const ControlDesign& design) override;
    void SetTabOrder(std::span<const std::string_view> names) override;

    InProcessFormWindow& window() { return *window_; }
    InProcessScrollBar& scrollBar(const std::string& name) { return *scrollBars_.at(name); }
    InProcessSlider& slider(const std::string& name) { return *sliders_.at(name); }
    InProcessTextBox& textBox(const std::string& name) { return *textBoxes_.at(name); }
    InProcessPictureBox& pictureBox(const std::string& name) { return *pictureBoxes_.at(name); }
    InProcessOptionButton& optionButton(const std::string& name) {
        return *optionButtons_.at(name);
    }
    // Selects the option and clears the others: the window's one group.
    void Select(const std::string& option);
    // The command button's press.
    void Click(const std::string& button);

    ControlLog& log() { return log_; }
    // Every control's design name in the order made, and the tab order as set.
    const std::vector<std::string>& made() const { return made_; }
    const std::vector<std::string>& tabOrder() const { return tabOrder_; }

  private:
    Hwnd handle_;
    ControlLog log_;
    std::vector<std::string> made_;
    std::vector<std::string> tabOrder_;
    std::unique_ptr<InProcessFormWindow> window_;
    std::map<std::string, std::unique_ptr<InProcessScrollBar>> scrollBars_;
    std::map<std::string, std::unique_ptr<InProcessSlider>> sliders_;
    std::map<std::string, std::unique_ptr<InProcessTextBox>> textBoxes_;
    std::map<std::string, std::unique_ptr<InProcessPictureBox>> pictureBoxes_;
    std::map<std::string, std::unique_ptr<InProcessOptionButton>> optionButtons_;
    std::map<std::string, NotificationSink> buttons_;
};

}  // namespace hueloom
