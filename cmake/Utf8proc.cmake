# utf8proc, the library that finds grapheme clusters, as the target hueloom_utf8proc.
#
# Natively it is Debian's build (package libutf8proc-dev). The Windows cross
# build compiles the same release from Debian's own source package, fetched
# with apt-get source from the archives this machine's apt uses
# (cmake/debian_source.sh) and checked against the SHA-256 that Debian's
# source package lists (Debian's one patch touches only the data generator,
# not the library). HUELOOM_UTF8PROC_TARBALL names a copy to use offline.
# Without it the configure stops and says how to go on.

add_library(hueloom_utf8proc INTERFACE)
set(utf8proc_leave_out "or configure with -DHUELOOM_FADER=OFF to build without hueloom-fade")

if(NOT CMAKE_CROSSCOMPILING)
    find_package(PkgConfig QUIET)
    if(PkgConfig_FOUND)
        pkg_check_modules(UTF8PROC QUIET IMPORTED_TARGET libutf8proc)
    endif()
    if(NOT UTF8PROC_FOUND)
        message(FATAL_ERROR "hueloom: utf8proc not found: install the Debian package libutf8proc-dev "
                            "(bash tools/setup.sh), ${utf8proc_leave_out}")
    endif()
    target_link_libraries(hueloom_utf8proc INTERFACE PkgConfig::UTF8PROC)
    return()
endif()

set(utf8proc_version 2.8.0)
set(utf8proc_sha256 a0a60a79fe6f6d54e7d411facbfcc867a6e198608f2cd992490e46f04b1bcecc)
set(HUELOOM_UTF8PROC_TARBALL "" CACHE FILEPATH
    "utf8proc_${utf8proc_version}.orig.tar.gz to use instead of fetching it")

# True where the file is there and is the release Debian lists.
function(utf8proc_tarball_whole file result)
    set(${result} FALSE PARENT_SCOPE)
    if(EXISTS ${file})
        file(SHA256 ${file} got)
        if(got STREQUAL utf8proc_sha256)
            set(${result} TRUE PARENT_SCOPE)
        endif()
    endif()
endfunction()

# A copy given is used as it is; otherwise the build tree's, fetched once.
if(HUELOOM_UTF8PROC_TARBALL)
    set(utf8proc_tarball ${HUELOOM_UTF8PROC_TARBALL})
    utf8proc_tarball_whole(${utf8proc_tarball} whole)
    if(NOT whole)
        message(FATAL_ERROR "hueloom: ${utf8proc_tarball} is not utf8proc ${utf8proc_version} "
                            "with the SHA-256 Debian lists; ${utf8proc_leave_out}")
    endif()
else()
    set(utf8proc_downloads ${CMAKE_BINARY_DIR}/_downloads)
    set(utf8proc_tarball ${utf8proc_downloads}/utf8proc_${utf8proc_version}.orig.tar.gz)
    utf8proc_tarball_whole(${utf8proc_tarball} whole)
    if(NOT whole)
        message(STATUS "hueloom: fetching utf8proc's Debian source package with apt-get source")
        execute_process(
            COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/debian_source.sh utf8proc ${utf8proc_downloads}
                    ${CMAKE_BINARY_DIR}/_apt
            RESULT_VARIABLE fetched)
        utf8proc_tarball_whole(${utf8proc_tarball} whole)
    endif()
    if(NOT whole)
        message(FATAL_ERROR
            "hueloom: utf8proc ${utf8proc_version}'s source, for the Windows build of hueloom-fade, "
            "could not be had from Debian's source package (apt-get source utf8proc, with "
            "utf8proc_${utf8proc_version}.orig.tar.gz and the SHA-256 Debian lists). Set "
            "-DHUELOOM_UTF8PROC_TARBALL=<path> to a copy, ${utf8proc_leave_out}")
    endif()
endif()

set(utf8proc_source ${CMAKE_BINARY_DIR}/_deps/utf8proc-${utf8proc_version})
if(NOT EXISTS ${utf8proc_source}/utf8proc.c)
    file(ARCHIVE_EXTRACT INPUT ${utf8proc_tarball} DESTINATION ${CMAKE_BINARY_DIR}/_deps)
endif()

# Someone else's code: built as its own makefile builds it, without our warnings.
enable_language(C)
add_library(hueloom_utf8proc_static STATIC ${utf8proc_source}/utf8proc.c)
target_include_directories(hueloom_utf8proc_static SYSTEM PUBLIC ${utf8proc_source})
target_compile_definitions(hueloom_utf8proc_static PUBLIC UTF8PROC_STATIC)
set_target_properties(hueloom_utf8proc_static PROPERTIES C_STANDARD 99)
target_link_libraries(hueloom_utf8proc INTERFACE hueloom_utf8proc_static)
