// A toolkit fake: counts DoEvents and can run a handler inside it.
#pragma once

#include <functional>

#include "host/toolkit.h"

namespace hueloom {

struct CountingToolkit : Toolkit {
    int calls = 0;
    std::function<void()> pendingEvent;  // runs inside every DoEvents, like a queued handler

    void DoEvents() override {
        ++calls;
        if (pendingEvent) pendingEvent();
    }
};

}  // namespace hueloom
