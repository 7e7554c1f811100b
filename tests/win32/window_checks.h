// The window driver's checks of hueloom.exe, by topic; each reports its verdicts.
#pragma once

#include <string>
#include <vector>

#include "driver_harness.h"
#include "fade/fade.h"
#include "host/control_design.h"

namespace hueloom::driver {

// Start and region: waits for the window, then for its start (the announcement
// goes before the topmost band and the region, scaled to the dpi).
Form WaitForStart(int dpi = kDesignDpi);
// The design's client area laid out at the dpi.
void CheckClientPlace(const Form& form, int dpi);
// The region holds the whole window, and the screen finds every control.
void CheckWhole(const Form& form);

// Layout: the controls' classes, identifiers and boxes; the first focus.
void CheckLayout(const Form& form);

// Accessibility: what a screen reader hears of every control.
void CheckAccessibility(const Form& form, const std::vector<Component>& values,
                        const std::u16string& line);

// The bars, Send, the slider and the over-long line.
std::vector<Component> SetBars(const Form& form);
void CheckSends(const Form& form, const std::vector<Component>& values, const std::u16string& line);
void CheckSlider(const Form& form, const std::vector<Component>& values);
void CheckLongLine(const Form& form);

// Keyboard: Tab's walk, the focus rectangles, the options.
void CheckKeyboard(const Form& form);

// Close and session end.
void CloseByTheCloseBox(const Form& form);
int Session();

}  // namespace hueloom::driver
