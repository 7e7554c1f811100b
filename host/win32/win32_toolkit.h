// The windowing toolkit of a plain Win32 program: its own message queue.
#pragma once

#include "host/toolkit.h"

namespace hueloom {

// DoEvents dispatches every message waiting in the calling thread's queue. A
// quit request found there is put back for the program's own message loop.
class Win32Toolkit final : public Toolkit {
  public:
    void DoEvents() override;
};

}  // namespace hueloom
