# The release this source is: its version, written once in project(), and its
# time, written once as the date of the Debian changelog's top entry
# (packaging/deb/changelog.in). Everything else takes them from here:
#   HUELOOM_VERSION_QUAD     MAJOR.MINOR.PATCH.TWEAK, 0 where not given, for the
#   HUELOOM_VERSION_COMMAS   Windows resource and manifest: with dots, with commas
#   HUELOOM_RELEASE_DATE     YYYY-MM-DD, for the metainfo
#   HUELOOM_SOURCE_DATE_EPOCH  the entry's time in seconds, for reproducible builds
# and <build>/release.env gives the version and SOURCE_DATE_EPOCH to the
# packaging scripts, as shell assignments.
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
set(date_pattern "^ -- .*  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
string(APPEND date_pattern "([0-9][0-9]):([0-9][0-9]):([0-9][0-9]) ([+-])([0-9][0-9])([0-9][0-9])$")
file(STRINGS ${HUELOOM_CHANGELOG} trailers REGEX "${date_pattern}")
list(GET trailers 0 trailer)
if(NOT trailer MATCHES "${date_pattern}")
    message(FATAL_ERROR "hueloom: no dated trailer line in ${HUELOOM_CHANGELOG}")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
if(month LESS 0)
    message(FATAL_ERROR "hueloom: no month '${CMAKE_MATCH_2}' in '${trailer}'")
endif()
math(EXPR month "${month} + 1")
math(EXPR offset "${CMAKE_MATCH_7}(${CMAKE_MATCH_8} * 3600 + ${CMAKE_MATCH_9} * 60)")
math(EXPR seconds "${CMAKE_MATCH_4} * 3600 + ${CMAKE_MATCH_5} * 60 + ${CMAKE_MATCH_6} - ${offset}")

# Days since 1970-01-01 of that civil date: years counted from March, so
# that the leap day falls last.
if(month LESS_EQUAL 2)
    math(EXPR march_year "${year} - 1")
    math(EXPR march_month "${month} + 9")
else()
    set(march_year ${year})
    math(EXPR march_month "${month} - 3")
endif()
math(EXPR era "${march_year} / 400")
math(EXPR year_of_era "${march_year} - ${era} * 400")
math(EXPR day_of_year "(153 * ${march_month} + 2) / 5 + ${day} - 1")
math(EXPR day_of_era
     "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
math(EXPR HUELOOM_SOURCE_DATE_EPOCH "${days} * 86400 + ${seconds}")

# The date as the entry writes it.
string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
set(HUELOOM_RELEASE_DATE ${year}-${month}-${day})

file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/release.env CONTENT
     "HUELOOM_VERSION=${PROJECT_VERSION}\nSOURCE_DATE_EPOCH=${HUELOOM_SOURCE_DATE_EPOCH}\n")
