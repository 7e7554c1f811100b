// The drag rule every toolkit's scroll bar follows alike: Scroll while its
// thumb is dragged, Change once at the end of a drag (judged against where the
// drag began), and Change for every other move.
#pragma once

#include <optional>

#include "host/controls.h"

namespace hueloom {

class ScrollDrag {
  public:
    // The thumb is taken at this value; taking it again mid-drag keeps the first.
    void Press(int value) {
        if (!start_) start_ = value;
    }
    // The value moved: Scroll during a drag, Change otherwise, nothing if it stayed.
    std::optional<Notification> Moved(int before, int after) const {
        if (before == after) return std::nullopt;
        return start_ ? Notification::kScroll : Notification::kChange;
    }
    // The thumb is let go at this value: Change when the drag moved the bar.
    // A release with no drag begun raises nothing.
    std::optional<Notification> Released(int value) {
        const std::optional<int> start = start_;
        start_.reset();
        if (!start || *start == value) return std::nullopt;
        return Notification::kChange;
    }
    bool dragging() const { return start_.has_value(); }

  private:
    std::optional<int> start_;
};

}  // namespace hueloom
