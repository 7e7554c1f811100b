// Form1 on Qt widgets.
#pragma once

class QWidget;

namespace hueloom {

// Creates Form1, not yet shown, and returns its window, which owns the form.
// Showing it raises Activate once; closing it runs the unload, after which the
// window deletes itself from the event loop.
QWidget* NewQtForm1();

}  // namespace hueloom
