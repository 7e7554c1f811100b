# What both Windows cross builds share, with Debian's MinGW-w64 (POSIX threads)
# compilers; the toolchain file naming the processor sets HUELOOM_MINGW_TRIPLE first.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${HUELOOM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HUELOOM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HUELOOM_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HUELOOM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs carry their C++ runtime inside, so they run where the MinGW DLLs are
# not. The header's time stamp stays 0 rather than the time of the link, so
# that linking the same objects again gives the same bytes (the checksum too).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")

# ctest runs the Windows tests under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
