# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by CPack (`cpack -G DEB` in a build configured with CMAKE_INSTALL_PREFIX=/usr, as
# scripts/package.sh does): its control fields, and the values the Debian changelog in packaging/ is made from.
set(CANTORIX_MAINTAINER "Cantorix2 developers <cantorix2@example.org>" CACHE STRING
    "The .deb's maintainer and the signer of its changelog: a name and an address in angle brackets")
# The Debian revision after the upstream version (2.9.7-1): the changelog is then changelog.Debian.gz, as a
# package that is not Debian-native has it.
set(CANTORIX_DEB_REVISION 1 CACHE STRING "The Debian revision of the package's version")
set(CANTORIX_DEB_VERSION ${PROJECT_VERSION}-${CANTORIX_DEB_REVISION})

# The release date as the changelog wants it (RFC 2822), its weekday by Zeller's congruence.
string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" date_ok "${CANTORIX_RELEASE_DATE}")
if(NOT date_ok)
    message(FATAL_ERROR "CANTORIX_RELEASE_DATE '${CANTORIX_RELEASE_DATE}' is not a date as YYYY-MM-DD")
endif()
set(year ${CMAKE_MATCH_1})
set(day_text ${CMAKE_MATCH_3})
string(REGEX REPLACE "^0" "" month "${CMAKE_MATCH_2}")
string(REGEX REPLACE "^0" "" day "${day_text}")
set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
math(EXPR month_index "${month} - 1")
list(GET month_names ${month_index} month_name)
set(date_text "${day_text} ${month_name} ${year}")
if(month LESS 3)
    math(EXPR month "${month} + 12")
    math(EXPR year "${year} - 1")
endif()
math(EXPR weekday_index
    "(${day} + (13 * (${month} + 1)) / 5 + ${year} + ${year} / 4 - ${year} / 100 + ${year} / 400) % 7")
set(weekday_names Sat Sun Mon Tue Wed Thu Fri)
list(GET weekday_names ${weekday_index} weekday)
set(CANTORIX_RELEASE_DATE_RFC2822 "${weekday}, ${date_text} 12:00:00 +0000")

# Debian's hardening flags from dpkg-buildflags (stack protector, fortified functions, read-only relocations bound
# at once), for every target of the project; the optimisation and debug levels stay the build type's.
option(CANTORIX_DEB_BUILDFLAGS "Compile and link with Debian's hardening flags (dpkg-buildflags), as scripts/package.sh does" OFF)
if(CANTORIX_DEB_BUILDFLAGS)
    find_program(CANTORIX_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                    ${CANTORIX_DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-(O.*|g)$")
        if(kind STREQUAL "LDFLAGS")
            target_link_options(cantorix_options INTERFACE ${flags})
        else()
            target_compile_options(cantorix_options INTERFACE ${flags})
        endif()
    endforeach()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cantorix2)
set(CPACK_PACKAGE_VENDOR "Cantorix2 developers")
set(CPACK_PACKAGE_CONTACT "${CANTORIX_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "search hymn logs and hymnal texts and tally the hymns used")
# The installed paths are the configured ones, so the paths built into the program hold in the package too.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME cantorix2)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CANTORIX_DEB_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CANTORIX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CANTORIX_HOMEPAGE}")
# The libraries come from dpkg-shlibdeps; Qt's platform plugins, without which no window opens, are only
# recommended by Qt's own packages, and the Liberation fonts stand in for the faces the window's design names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The long description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Cantorix2 is a desktop tool for church musicians and worship planners who
keep plain-text records of hymns. It loads a service log (a date, then the
hymns sung) or a hymnal text (numbers, titles, credits, verses, refrains and
scripture references), searches it by hymn number, title, verse phrase,
exclusions and date or year limits, tallies how often each hymn was used,
reports each hymn's uses over a date range with a chart, CSV export and
printing, and copies what it finds to the clipboard.")

include(CPack)
