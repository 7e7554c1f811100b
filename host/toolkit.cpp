// The installed toolkit and the free DoEvents that reaches it.
#include "host/toolkit.h"

namespace hueloom {
namespace {

// One user-interface thread: a plain pointer is all the installation needs.
Toolkit* installed_toolkit = nullptr;

}  // namespace

void DoEvents() {
    if (installed_toolkit != nullptr) installed_toolkit->DoEvents();
}

ScopedToolkit::ScopedToolkit(Toolkit& toolkit) : previous_(installed_toolkit) {
    installed_toolkit = &toolkit;
}

ScopedToolkit::~ScopedToolkit() { installed_toolkit = previous_; }

}  // namespace hueloom
