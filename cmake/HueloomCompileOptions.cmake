# Compiler options every Hueloom target shares.
include_guard(GLOBAL)

# A release builds the same wherever it is built: the source and build folders
# are written into the binaries (debug information, __FILE__) as relative
# paths, so that two checkouts give the same bytes.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options("$<$<CONFIG:Release,MinSizeRel>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>"
                        "$<$<CONFIG:Release,MinSizeRel>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>")
endif()

# The fade arithmetic must round exactly as written: a fused multiply-add
# would change which values land on a tie, so contraction stays off. The
# headers use C++20, so whoever links a Hueloom library compiles as C++20 too.
function(hueloom_apply_options target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -ffp-contract=off)
    elseif(MSVC)
        target_compile_options(${target} PRIVATE /W4 /fp:precise /utf-8)
    endif()
endfunction()
