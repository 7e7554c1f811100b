// The toolkit's DoEvents for a program running Qt's event loop.
#pragma once

#include "host/toolkit.h"

namespace hueloom {

class QtToolkit final : public Toolkit {
  public:
    // Runs every pending Qt event, posted ones included, then returns.
    void DoEvents() override;
};

}  // namespace hueloom
