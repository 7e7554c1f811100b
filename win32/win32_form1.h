// Form1 on native Win32 controls.
#pragma once

namespace hueloom {

class Win32FormWindow;

// Creates Form1, not yet shown, and returns its window, which owns the form.
// Showing it raises Activate once; closing it runs the unload, after which the
// window destroys itself from the message loop.
Win32FormWindow& NewWin32Form1();

}  // namespace hueloom
