// Counting Form1's handlers on the stack, so that its window goes only once
// none is left and the form has unloaded.
#pragma once

#include "app/form1.h"

namespace hueloom {

class Form1::HandlerScope {
  public:
    explicit HandlerScope(Form1& form) : form_(form) { ++form_.runningHandlers_; }
    ~HandlerScope() {
        if (--form_.runningHandlers_ == 0 && form_.unload_ == UnloadState::kUnloaded) {
            form_.window_.Release();
        }
    }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

  private:
    Form1& form_;
};

}  // namespace hueloom
