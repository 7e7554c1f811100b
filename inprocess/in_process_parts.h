// What the in-process window system keeps per window and per region.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "inprocess/in_process_window_system.h"
#include "inprocess/pixel_region.h"

namespace hueloom {

struct InProcessWindowSystem::Window {
    Hwnd parent = 0;
    std::string className;
    std::string title;
    std::vector<Hwnd> children;  // front to back
    // Shared so that a handler stays alive while it destroys its own window.
    std::shared_ptr<const WindowCallbacks> callbacks;
    bool topmost = false;
    Hrgn region = 0;
};

struct InProcessWindowSystem::Region {
    detail::PixelRegion pixels;
};

}  // namespace hueloom
