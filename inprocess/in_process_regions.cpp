// Regions of the in-process window system: creation, combination, window shapes.
#include <utility>

#include "inprocess/in_process_parts.h"

namespace hueloom {
namespace {

inline constexpr int kRegionError = 0;
inline constexpr int kFillWinding = 2;

std::int64_t Handle(std::uint32_t handle) { return static_cast<std::int64_t>(handle); }

}  // namespace

const InProcessWindowSystem::Region* InProcessWindowSystem::FindRegion(Hrgn region) const {
    auto it = regions_.find(region);
    return it != regions_.end() ? it->second.get() : nullptr;
}

Hrgn InProcessWindowSystem::AddRegion(std::shared_ptr<const Region> region) {
    const Hrgn handle = nextHandle_++;
    regions_.emplace(handle, std::move(region));
    return handle;
}

Hrgn InProcessWindowSystem::CreatePolygonRgn(const Point* points, int count, int fillMode) {
    std::vector<Point> given;
    if (points != nullptr && count > 0) given.assign(points, points + count);
    Record("CreatePolygonRgn", {count, fillMode}, {}, given);
    // The host wants at least two vertices and one of its two fill modes.
    if (given.size() < 2 || (fillMode != kFillAlternate && fillMode != kFillWinding)) return 0;
    const auto rule =
        fillMode == kFillAlternate ? detail::FillRule::kAlternate : detail::FillRule::kWinding;
    std::optional<detail::PixelRegion> pixels = detail::PixelRegion::Polygon(given, rule);
    if (!pixels) return 0;
    return AddRegion(std::make_shared<const Region>(Region{std::move(*pixels)}));
}

Hrgn InProcessWindowSystem::CreateRectRgn(int left, int top, int right, int bottom) {
    Record("CreateRectRgn", {left, top, right, bottom});
    return AddRegion(std::make_shared<const Region>(
        Region{detail::PixelRegion::Rectangle(left, top, right, bottom)}));
}

int InProcessWindowSystem::CombineRgn(Hrgn destination, Hrgn source1, Hrgn source2, int mode) {
    Record("CombineRgn", {Handle(destination), Handle(source1), Handle(source2), mode});
    if (mode < static_cast<int>(detail::CombineMode::kAnd) ||
        mode > static_cast<int>(detail::CombineMode::kCopy)) {
        return kRegionError;
    }
    const auto combineMode = static_cast<detail::CombineMode>(mode);
    const Region* first = FindRegion(source1);
    const Region* second = FindRegion(source2);
    if (FindRegion(destination) == nullptr || first == nullptr ||
        (second == nullptr && combineMode != detail::CombineMode::kCopy)) {
        return kRegionError;
    }
    // The result is a new value: the destination no longer follows its sources.
    auto result = std::make_shared<const Region>(Region{detail::PixelRegion::Combine(
        first->pixels, second != nullptr ? second->pixels : detail::PixelRegion(), combineMode)});
    const int kind = static_cast<int>(result->pixels.Kind());
    regions_[destination] = std::move(result);
    return kind;
}

int InProcessWindowSystem::SetWindowRgn(Hwnd window, Hrgn region, bool redraw) {
    Record("SetWindowRgn", {Handle(window), Handle(region), redraw ? 1 : 0});
    Window* found = Find(window);
    if (found == nullptr || (region != 0 && FindRegion(region) == nullptr)) return 0;
    found->region = region;
    const std::shared_ptr<const WindowCallbacks> callbacks = found->callbacks;
    if (callbacks->onSetWindowRgn) callbacks->onSetWindowRgn(region);
    return 1;
}

bool InProcessWindowSystem::DeleteObject(Hrgn region) {
    Record("DeleteObject", {Handle(region)});
    if (FindRegion(region) == nullptr) return false;
    for (const auto& [handle, window] : windows_) {
        if (window->region == region) return false;
    }
    regions_.erase(region);
    return true;
}

bool InProcessWindowSystem::RegionContains(Hrgn region, int x, int y) const {
    const Region* found = FindRegion(region);
    return found != nullptr && found->pixels.Contains(x, y);
}

Hrgn InProcessWindowSystem::WindowRegion(Hwnd window) const {
    const Window* found = Find(window);
    return found != nullptr ? found->region : 0;
}

}  // namespace hueloom
