# Cross build for 32-bit Windows with Debian's MinGW-w64 (POSIX threads) compilers.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(HUELOOM_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${HUELOOM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HUELOOM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HUELOOM_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HUELOOM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The fades round in double precision exactly once: SSE2 arithmetic, not the
# x87's extended precision (so a processor with SSE2, as every one since the
# Pentium 4 and the Athlon 64). The system calls back on a stack aligned to 4
# bytes; SSE2 wants 16, so functions realign it themselves.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")

# Programs carry their C++ runtime inside, so they run where the MinGW DLLs are not.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
