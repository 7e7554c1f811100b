// What a front end's factory keeps of the controls it has made, by design
// name: the container a control goes into, and the keyboard order over them.
#pragma once

#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/control_design.h"

namespace hueloom {

// Handle is the toolkit's own (a widget pointer, a window handle). The names
// are the design table's, which lives as long as the program.
template <typename Handle>
class MadeControls {
  public:
    void SetWindow(Handle window) { window_ = window; }
    void Add(std::string_view name, Handle control, bool focusable) {
        made_.insert_or_assign(name, Made{control, focusable});
    }

    // The picture box the design names as container, else the window.
    Handle Container(const ControlDesign& design) const {
        const auto found = design.container.empty() ? made_.end() : made_.find(design.container);
        return found != made_.end() ? found->second.handle : window_;
    }

    // The named controls that take the focus, in the given order; a name not
    // made, or a control that never takes the focus (a label), is left out.
    std::vector<Handle> TabOrder(std::span<const std::string_view> names) const {
        std::vector<Handle> order;
        for (std::string_view name : names) {
            const auto found = made_.find(name);
            if (found != made_.end() && found->second.focusable)
                order.push_back(found->second.handle);
        }
        return order;
    }

  private:
    struct Made {
        Handle handle;
        bool focusable;
    };
    Handle window_{};
    std::unordered_map<std::string_view, Made> made_;
};

}  // namespace hueloom
