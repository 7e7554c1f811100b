// One Form1 on the in-process toolkit, beside the chat client's windows.
#pragma once

#include <memory>
#include <string>

#include "app/form1.h"
#include "support/chat_fixture.h"
#include "support/in_process_controls.h"

namespace hueloom::testing {

// Every character a surface printed, in order: what a notice says.
inline std::string PrintedText(const std::vector<std::string>& ops) {
    std::string text;
    for (const std::string& op : ops) {
        if (op.starts_with("Print ")) text += op.substr(6);
    }
    return text;
}

// The design's names of the colour columns' controls, column 1 as 0: the
// swatch of a column, and bar 3k, 3k + 1, 3k + 2 as column k's red, green, blue.
inline std::string SwatchName(std::size_t column) {
    return std::string(Form1Columns()[column].swatch);
}
inline std::string BarName(std::size_t bar) {
    return std::string(Form1Columns()[bar / 3].bars[bar % 3]);
}

struct FormFixture : ChatFixture {
    Hwnd window = windows.AddWindow(0, "HueloomForm", "Hueloom 2.0");
    InProcessControls controls{window};
    std::unique_ptr<Form1> form = std::make_unique<Form1>(controls);

    InProcessScrollBar& Bar(const std::string& name) { return controls.scrollBar(name); }
    InProcessPictureBox& Box(const std::string& name) { return controls.pictureBox(name); }
    InProcessTextBox& Text1() { return controls.textBox("Text1"); }
    InProcessFormWindow& Window() { return controls.window(); }
    void Click() { controls.Click("Command1"); }
    // A drag of the thumb to the value, let go there.
    void DragTo(const std::string& bar, int to) {
        Bar(bar).Drag(to);
        Bar(bar).EndDrag();
    }
};

}  // namespace hueloom::testing
