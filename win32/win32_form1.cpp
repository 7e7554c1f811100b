// Form1 on native Win32 controls: the design built by the Win32 factory into its window.
#include "win32/win32_form1.h"

#include <memory>

#include "app/form1.h"
#include "win32/win32_control_factory.h"
#include "win32/win32_form_window.h"

namespace hueloom {

Win32FormWindow& NewWin32Form1() {
    Win32ControlFactory factory;
    auto form = std::make_unique<Form1>(factory);
    Win32FormWindow* window = factory.TakeWindow();
    window->Adopt(std::move(form));
    return *window;
}

}  // namespace hueloom
