// A form's controls by their design names, as the front end made them.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>

#include "host/controls.h"

namespace hueloom {

// The names are the design table's own, which lives as long as the program.
class ControlSet {
  public:
    template <typename Control>
    void Add(std::string_view name, Control& control) {
        controls_.insert_or_assign(name, &control);
    }

    // The named control of that kind; a design without it is a programming error.
    template <typename Control>
    Control& Get(std::string_view name) const {
        const auto found = controls_.find(name);
        if (found != controls_.end()) {
            if (Control* const* control = std::get_if<Control*>(&found->second)) return **control;
        }
        throw std::logic_error("the design has no such control: " + std::string(name));
    }

  private:
    using AnyControl = std::variant<ScrollBar*, Slider*, OptionButton*, TextBox*, PictureBox*>;
    std::unordered_map<std::string_view, AnyControl> controls_;
};

}  // namespace hueloom
