# What a build of Hueloom takes in: the switches a configure line may turn.
include_guard(GLOBAL)

option(HUELOOM_BUILD_TESTS "Build the unit and GUI tests" ${PROJECT_IS_TOP_LEVEL})
option(HUELOOM_BUILD_BENCH "Build the benchmarks" ${PROJECT_IS_TOP_LEVEL})
option(HUELOOM_BUILD_APP "Build the window and its front end" ON)
option(HUELOOM_FADER "Build hueloom-fade, the command-line fader" ON)
option(HUELOOM_BUILD_FUZZERS "Build the libFuzzer targets (clang only; tools/fuzz.sh)" OFF)
option(HUELOOM_INSTALL "Install the programs (on Linux with their menu entry, icon and manual pages)"
       ${PROJECT_IS_TOP_LEVEL})
option(HUELOOM_INSTALL_WINE_BRIDGES
       "Install both cross-built hueloom-wine-bridge.exe (tools/package_deb.sh builds them)" OFF)
