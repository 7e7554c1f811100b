# Cross build for 32-bit Windows with Debian's MinGW-w64 (POSIX threads) compilers.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(HUELOOM_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# The fades round in double precision exactly once: SSE2 arithmetic, not the
# x87's extended precision (so a processor with SSE2, as every one since the
# Pentium 4 and the Athlon 64). The system calls back on a stack aligned to 4
# bytes; SSE2 wants 16, so functions realign it themselves.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
