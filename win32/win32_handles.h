// Conversions between the neutral 32-bit handles and the system's own (Win32 files only).
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>

#include "host/window_system.h"

namespace hueloom::detail {

// Window and GDI handles carry 32 significant bits; widening sign-extends, so
// the neutral 0xFFFFFFFF becomes HWND_TOPMOST (-1), as the system does it.
template <typename Handle>
Handle ToNative(std::uint32_t handle) {
    const auto wide = static_cast<std::intptr_t>(static_cast<std::int32_t>(handle));
    return reinterpret_cast<Handle>(wide);
}

template <typename Handle>
std::uint32_t ToNeutral(Handle handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

inline HWND NativeWindow(Hwnd window) { return ToNative<HWND>(window); }
inline HRGN NativeRegion(Hrgn region) { return ToNative<HRGN>(region); }
inline Hwnd NeutralWindow(HWND window) { return ToNeutral(window); }
inline Hrgn NeutralRegion(HRGN region) { return ToNeutral(region); }

}  // namespace hueloom::detail
