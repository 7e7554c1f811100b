// The rules every toolkit's form window follows alike: Activate once, in the
// event loop's first turn after the window is first shown; the close box asks
// the form; once closed for good, never shown again and raising nothing more.
#pragma once

#include "host/controls.h"

namespace hueloom {

class FormWindowRules {
  public:
    explicit FormWindowRules(FormEvents& events) : events_(events) {}

    // The window is being shown: true the one time the caller must queue Activate.
    bool Shown() {
        if (activationQueued_ || closedForGood_) return false;
        activationQueued_ = true;
        return true;
    }
    // The queued Activate comes round.
    void RunQueuedActivate() {
        if (!closedForGood_) events_.Activate();
    }
    // The close box or the system's close command: true when the window may
    // go, because the form let it or it is closed for good already.
    bool CloseAsked() { return closedForGood_ || events_.CloseRequested(); }
    void CloseForGood() { closedForGood_ = true; }
    bool MayShow() const { return !closedForGood_; }

  private:
    FormEvents& events_;
    bool activationQueued_ = false;
    bool closedForGood_ = false;
};

}  // namespace hueloom
