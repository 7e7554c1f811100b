// The program ends by leaving its event loop once no form remains loaded.
#pragma once

class QApplication;

namespace hueloom {

class Form1;

// Closing other windows (the stand-in chat client) does not end the program;
// the form's unload does, once every form has unloaded.
void EndProgramWhenNoFormRemains(QApplication& application, Form1& form);

}  // namespace hueloom
