# utf8proc, the library that finds grapheme clusters, as the target hueloom_utf8proc.
#
# Natively it is Debian's build (package libutf8proc-dev). The Windows cross
# build compiles the same release from Debian's own source: the upstream
# tarball as Debian's archive holds it (Debian's one patch touches only the
# data generator, not the library), checked against the SHA-256 that Debian's
# source package lists. HUELOOM_UTF8PROC_TARBALL names a copy to use offline.
# Sets HUELOOM_UTF8PROC_FOUND.

set(HUELOOM_UTF8PROC_FOUND FALSE)
add_library(hueloom_utf8proc INTERFACE)

if(NOT CMAKE_CROSSCOMPILING)
    find_package(PkgConfig QUIET)
    if(PkgConfig_FOUND)
        pkg_check_modules(UTF8PROC QUIET IMPORTED_TARGET libutf8proc)
    endif()
    if(NOT UTF8PROC_FOUND)
        message(WARNING "hueloom: utf8proc not found (Debian package libutf8proc-dev), "
                        "hueloom-fade is not built")
        return()
    endif()
    target_link_libraries(hueloom_utf8proc INTERFACE PkgConfig::UTF8PROC)
    set(HUELOOM_UTF8PROC_FOUND TRUE)
    return()
endif()

set(utf8proc_version 2.8.0)
set(utf8proc_sha256 a0a60a79fe6f6d54e7d411facbfcc867a6e198608f2cd992490e46f04b1bcecc)
set(utf8proc_sha1 7713007fde54cc8f8238936cae246c4ce30180f9)  # snapshot.debian.org finds files by it
set(HUELOOM_UTF8PROC_TARBALL "" CACHE FILEPATH
    "utf8proc_${utf8proc_version}.orig.tar.gz to use instead of fetching it")

# A copy given, or one fetched before that is whole, is used as it is; only
# the build tree's own copy is ever fetched.
set(utf8proc_tarball ${CMAKE_BINARY_DIR}/_downloads/utf8proc_${utf8proc_version}.orig.tar.gz)
set(utf8proc_urls
    https://deb.debian.org/debian/pool/main/u/utf8proc/utf8proc_${utf8proc_version}.orig.tar.gz
    https://snapshot.debian.org/file/${utf8proc_sha1})
if(HUELOOM_UTF8PROC_TARBALL)
    set(utf8proc_tarball ${HUELOOM_UTF8PROC_TARBALL})
    set(utf8proc_urls)
endif()
set(utf8proc_have_tarball FALSE)
if(EXISTS ${utf8proc_tarball})
    file(SHA256 ${utf8proc_tarball} got)
    if(got STREQUAL utf8proc_sha256)
        set(utf8proc_have_tarball TRUE)
    elseif(HUELOOM_UTF8PROC_TARBALL)
        message(WARNING "hueloom: ${utf8proc_tarball} does not have the SHA-256 Debian lists")
    endif()
endif()
foreach(url ${utf8proc_urls})
    if(utf8proc_have_tarball)
        break()
    endif()
    message(STATUS "hueloom: fetching utf8proc ${utf8proc_version} from ${url}")
    file(DOWNLOAD ${url} ${utf8proc_tarball}.part STATUS status TIMEOUT 120)
    list(GET status 0 code)
    if(code EQUAL 0)
        file(SHA256 ${utf8proc_tarball}.part got)
        if(got STREQUAL utf8proc_sha256)
            file(RENAME ${utf8proc_tarball}.part ${utf8proc_tarball})
            set(utf8proc_have_tarball TRUE)
        else()
            message(WARNING "hueloom: ${url} does not have the SHA-256 Debian lists; not used")
        endif()
    endif()
    file(REMOVE ${utf8proc_tarball}.part)
endforeach()
if(NOT utf8proc_have_tarball)
    message(WARNING "hueloom: utf8proc ${utf8proc_version} could not be fetched from Debian's archive "
                    "(set HUELOOM_UTF8PROC_TARBALL to a copy), hueloom-fade.exe is not built")
    return()
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
set(HUELOOM_UTF8PROC_FOUND TRUE)
