// An option button on Win32: an automatic radio button of the window's one group.
#pragma once

#include <string>

#include "host/controls.h"
#include "win32/win32_control.h"

namespace hueloom {

class Win32OptionButton final : public Win32Control, public OptionButton {
  public:
    // The first of the group starts it (WS_GROUP); the system keeps one checked.
    Win32OptionButton(const std::u16string& caption, bool firstOfGroup, bool selected,
                      const ChildPlace& place);
    bool Value() override;
};

}  // namespace hueloom
