// What the static C++ runtime asks of Windows beyond what the oldest Windows
// the program declares has: its thread library imports GetTickCount64, which
// Windows XP lacks, so the program would not load there. The import slot is
// filled here instead, before the linker looks for it in kernel32's library.
#include "win32/win32_handles.h"

namespace {

using TickCountFunction = ULONGLONG(WINAPI*)();

TickCountFunction systemTickCount64 = nullptr;
bool lookedUp = false;
DWORD lastTicks = 0;
ULONGLONG wraps = 0;

// The system's own where it has one (Vista on); before that the 32-bit count,
// widened across its wrap every 49.7 days. The program starts no thread, and
// the runtime asks only for its timed waits, which the program makes none of.
ULONGLONG WINAPI TickCount64() {
    if (!lookedUp) {
        lookedUp = true;
        systemTickCount64 = reinterpret_cast<TickCountFunction>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "GetTickCount64")));
    }
    if (systemTickCount64 != nullptr) return systemTickCount64();
    const DWORD ticks = ::GetTickCount();
    if (ticks < lastTicks) wraps += ULONGLONG{1} << 32;
    lastTicks = ticks;
    return wraps + ticks;
}

}  // namespace

// The slot's name as the import library spells it: stdcall-decorated on x86.
#if defined(_M_IX86) || defined(__i386__)
#define HUELOOM_TICK_COUNT_SLOT "__imp__GetTickCount64@0"
#else
#define HUELOOM_TICK_COUNT_SLOT "__imp_GetTickCount64"
#endif

extern "C" {
TickCountFunction hueloomTickCount64Slot __asm__(HUELOOM_TICK_COUNT_SLOT) = &TickCount64;
}
