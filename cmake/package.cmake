# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, `cmake --build BUILD --target package`: what the install puts under
# /usr, with what Debian asks of every package (packaging/debian/: the machine-readable
# copyright and the changelog, installed as changelog.Debian.gz), the binaries stripped,
# section utils, and the extended description taken from the AppStream metainfo so that
# the two say the same. Its library dependencies are found by dpkg-shlibdeps.
set(panelwright_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/panelwright)
set(panelwright_package_release 1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${panelwright_doc_dir})

# The maintainer: a placeholder until the project has a real address (README says so); the
# changelog's entries are signed with it too.
set(CPACK_PACKAGE_CONTACT "The Panelwright developers <panelwright@localhost>")

# The changelog's latest entry names this very package version.
set(changelog_source ${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in)
file(STRINGS ${changelog_source} latest LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}-${panelwright_package_release}")
if(NOT latest MATCHES "^panelwright \\(${version_pattern}\\) ")
    message(FATAL_ERROR "${changelog_source}: the latest entry is not "
                        "${PROJECT_VERSION}-${panelwright_package_release}")
endif()
configure_file(${changelog_source} ${CMAKE_BINARY_DIR}/changelog.Debian @ONLY)
set(changelog ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(
    OUTPUT ${changelog}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" sh ${CMAKE_BINARY_DIR}/changelog.Debian ${changelog}
    DEPENDS ${CMAKE_BINARY_DIR}/changelog.Debian
    VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${panelwright_doc_dir})
# What lintian is told to pass over, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME panelwright)

# `text` in lines of at most `width` characters.
function(panelwright_wrap text width out)
    string(REPLACE " " ";" words "${text}")
    set(lines "")
    set(line "")
    foreach(word IN LISTS words)
        string(LENGTH "${line} ${word}" length)
        if(line STREQUAL "")
            set(line "${word}")
        elseif(length GREATER width)
            string(APPEND lines "${line}\n")
            set(line "${word}")
        else()
            string(APPEND line " ${word}")
        endif()
    endforeach()
    set(${out} "${lines}${line}" PARENT_SCOPE)
endfunction()

# The metainfo's description paragraphs, each wrapped, with an empty line between them.
set(metainfo ${PROJECT_SOURCE_DIR}/res/org.panelwright.panelwright.metainfo.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metainfo})
file(READ ${metainfo} metainfo_text)
string(REGEX MATCHALL "<p>[^<]*</p>" paragraphs "${metainfo_text}")
set(description "")
foreach(paragraph IN LISTS paragraphs)
    string(REGEX REPLACE "</?p>" "" paragraph "${paragraph}")
    string(REGEX REPLACE "[ \t\r\n]+" " " paragraph "${paragraph}")
    string(STRIP "${paragraph}" paragraph)
    string(REPLACE "&lt;" "<" paragraph "${paragraph}")
    string(REPLACE "&gt;" ">" paragraph "${paragraph}")
    string(REPLACE "&amp;" "&" paragraph "${paragraph}")
    panelwright_wrap("${paragraph}" 72 paragraph)
    if(NOT description STREQUAL "")
        string(APPEND description "\n\n")
    endif()
    string(APPEND description "${paragraph}")
endforeach()
if(description STREQUAL "")
    message(FATAL_ERROR "${metainfo}: no description paragraphs")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME panelwright)
set(CPACK_PACKAGE_VENDOR "The Panelwright developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Boardsmith: joins geomorphic map panels into one map")
set(CPACK_PACKAGE_DESCRIPTION "${description}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${panelwright_package_release})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (standard buttons, file dialogs) in the program's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
