# The Debian package (scripts/package): what a distribution expects beside the programs, and
# CPack's settings. The binaries ship stripped; their symbols go to tagler-dbgsym.

set(TAGLER_MAINTAINER "Tagler developers <tagler@example.org>" CACHE STRING
  "The Maintainer field of the Debian package")

# The changelog's newest entry names the version the package carries.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^tagler \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog has no entry for ${PROJECT_VERSION} at its top")
endif()

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tagler)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog ${CMAKE_BINARY_DIR}/packaging/changelog
  COMMAND gzip -9 -n -f ${CMAKE_BINARY_DIR}/packaging/changelog
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
  VERBATIM)
add_custom_target(tagler_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${doc_dir})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tagler.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tagler.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tagler)
set(CPACK_PACKAGE_CONTACT "${TAGLER_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "annotations with leaders and frames for a 2-D CAD host")
# Lines of the long description stay under 80 columns, as the package tools show them.
set(CPACK_PACKAGE_DESCRIPTION
"Tagler writes annotations into a drawing of a 2-D CAD host: up to five
lines of text with a leader, a tip symbol and one of fifteen frames, or
frames around texts already in the drawing. The host starts it as an
external transformation in the folder of its exchange file; the drafter
types the text or copies it from a text book, picks the options in a
Japanese window and completes, and the host draws the records Tagler
wrote.

The package holds the window (tagler), the same session without a window
for scripts (tagler-batch), a stand-in host that writes exchange files
and draws the records to PNG or SVG (tagler-host) and the default data
files. The host's batch files start the Windows build and come with it.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# qt6-qpa-plugins comes only as a recommendation of Qt's GUI library. Debian 12 keeps xcb and
# offscreen in libqt6gui6 itself, but where the platform plugins live is Qt's packaging's choice,
# and without them the window cannot open. The font and the translations give the window its
# look and its standard dialogs their Japanese buttons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# CPack moves the symbols out of the installed binaries into tagler-dbgsym and strips them; it
# finds nothing to move when CPACK_STRIP_FILES has stripped them first.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
