# The release this source is: its version, written once in project(), and its
# time, written once as the date of the Debian changelog's top entry
# (packaging/deb/changelog.in). Everything else takes them from here:
#   HUELOOM_VERSION_QUAD     MAJOR.MINOR.PATCH.TWEAK, 0 where not given, for the
#   HUELOOM_VERSION_COMMAS   Windows resource and manifest: with dots, with commas
#   HUELOOM_RELEASE_DATE     YYYY-MM-DD, for the metainfo
#   HUELOOM_RELEASE_TIME     the entry's time as it writes it, for reproducible builds
# and <build>/release.env gives the version and that time to the packaging
# scripts, a NAME=value a line.
include_guard(GLOBAL)

set(HUELOOM_CHANGELOG ${PROJECT_SOURCE_DIR}/packaging/deb/changelog.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${HUELOOM_CHANGELOG})

set(parts "")
foreach(part MAJOR MINOR PATCH TWEAK)
    if("${PROJECT_VERSION_${part}}" STREQUAL "")
        list(APPEND parts 0)
    else()
        list(APPEND parts ${PROJECT_VERSION_${part}})
    endif()
endforeach()
list(JOIN parts "." HUELOOM_VERSION_QUAD)
list(JOIN parts "," HUELOOM_VERSION_COMMAS)

# The top entry names no version of its own: it is this release, whose
# version is project()'s. Older entries keep the versions they went out as.
file(STRINGS ${HUELOOM_CHANGELOG} top LIMIT_COUNT 1)
if(NOT top MATCHES "^hueloom \\(@PROJECT_VERSION@-")
    message(FATAL_ERROR "hueloom: the top entry of ${HUELOOM_CHANGELOG} must be "
                        "'hueloom (@PROJECT_VERSION@-...)', not '${top}'")
endif()
# Its trailer line: " -- Name <address>  Wed, 09 Dec 2026 04:00:00 +0000".
set(date_pattern "^ -- .*  ([A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
string(APPEND date_pattern "[0-9][0-9]:[0-9][0-9]:[0-9][0-9] [+-][0-9][0-9][0-9][0-9])$")
file(STRINGS ${HUELOOM_CHANGELOG} trailers REGEX "${date_pattern}")
list(GET trailers 0 trailer)
if(NOT trailer MATCHES "${date_pattern}")
    message(FATAL_ERROR "hueloom: no dated trailer line in ${HUELOOM_CHANGELOG}")
endif()
set(HUELOOM_RELEASE_TIME "${CMAKE_MATCH_1}")
set(day ${CMAKE_MATCH_2})
set(year ${CMAKE_MATCH_4})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_3} month)
if(month LESS 0)
    message(FATAL_ERROR "hueloom: no month '${CMAKE_MATCH_3}' in '${trailer}'")
endif()
math(EXPR month "${month} + 1")

# The date as the entry writes it.
string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
set(HUELOOM_RELEASE_DATE ${year}-${month}-${day})

file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/release.env CONTENT
     "HUELOOM_VERSION=${PROJECT_VERSION}\nHUELOOM_RELEASE_TIME=${HUELOOM_RELEASE_TIME}\n")
