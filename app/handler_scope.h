// Running Form1's handlers: counted on the stack, so that its window goes
// only once none is left and the form has unloaded, and each one guarded.
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

template <typename Handler>
void Form1::Run(Handler handler, bool sending) noexcept {
    // Nothing is wired until the form is whole, and nothing runs once it has unloaded.
    if (!built_ || unload_ == UnloadState::kUnloaded) return;
    HandlerScope scope(*this);
    Guarded(handler, sending);
}

template <typename Handler>
void Form1::Guarded(Handler handler, bool sending) noexcept {
    try {
        handler();
    } catch (...) {
        TellWhyItStopped(std::current_exception(), sending);
    }
}

}  // namespace hueloom
