# What `cmake --install` puts on a desktop, and the Debian package made from it.
include(GNUInstallDirs)
set(HOLDEM_APP_ID org.finaltableholdem.FinalTableHoldem)
set(HOLDEM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/final-table-holdem)
set(HOLDEM_ICON_SIZES 16 22 24 32 48 64 128 256 512)

install(TARGETS final-table-holdem RUNTIME DESTINATION ${HOLDEM_GAMES_DIR})
install(TARGETS holdem_sound LIBRARY DESTINATION ${HOLDEM_SOUND_MODULE_DESTINATION})
install(TARGETS holdem_statistics LIBRARY DESTINATION ${HOLDEM_STATISTICS_MODULE_DESTINATION})
install(FILES data/${HOLDEM_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${HOLDEM_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/${HOLDEM_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES data/icons/${HOLDEM_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${HOLDEM_ICON_SIZES})
  install(FILES data/icons/hicolor/${size}x${size}/apps/${HOLDEM_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES LICENSE README.md DESTINATION ${HOLDEM_DOC_DIR})
install(FILES ${HOLDEM_FONT_LICENCE_COPY} DESTINATION ${HOLDEM_DOC_DIR} RENAME LICENSE.DejaVu)

# Debian's own documents: a machine-readable copyright file (our licence and the built-in
# font's), the changelog and the manual page, compressed as Debian keeps them.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE expat)
string(REGEX REPLACE "^MIT License\n\n[^\n]*\n\n" "" expat "${expat}")
file(READ ${HOLDEM_FONT_LICENCE} font_copyright)
string(REGEX MATCH "License: bitstream-vera\n( [^\n]*\n)+" vera "${font_copyright}")
function(as_dep5_text text out)
  string(STRIP "${text}" text)
  string(REGEX REPLACE "\n\n" "\n.\n" text "${text}")
  string(REGEX REPLACE "\n" "\n " text "${text}")
  set(${out} " ${text}" PARENT_SCOPE)
endfunction()
as_dep5_text("${expat}" expat)
set(debian_copyright "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Final Table Hold'em
Source: https://finaltableholdem.org/

Files: *
Copyright: 2026 The Final Table Hold'em developers
License: Expat

Files: fonts/DejaVuSans.ttf fonts/DejaVuSans-Bold.ttf
Copyright: 2003 Bitstream, Inc.; DejaVu changes are in the public domain
Comment: The DejaVu Sans font, built into the program.
${vera}
License: Expat
${expat}
")
string(REGEX REPLACE " +\n" "\n" debian_copyright "${debian_copyright}")
file(WRITE ${PROJECT_BINARY_DIR}/debian/copyright "${debian_copyright}")
set(debian_docs ${PROJECT_BINARY_DIR}/debian/changelog.gz
                ${PROJECT_BINARY_DIR}/debian/final-table-holdem.6.gz)
add_custom_command(OUTPUT ${debian_docs}
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/data/debian/changelog > debian/changelog.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/data/final-table-holdem.6 > debian/final-table-holdem.6.gz
  DEPENDS data/debian/changelog data/final-table-holdem.6
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR} VERBATIM)
add_custom_target(holdem_debian_docs ALL DEPENDS ${debian_docs})
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${HOLDEM_DOC_DIR})
install(FILES ${PROJECT_BINARY_DIR}/debian/final-table-holdem.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The files an install holds, relative to its prefix: the install checks compare against it.
set(HOLDEM_INSTALLED_FILES
    ${HOLDEM_GAMES_DIR}/final-table-holdem
    ${HOLDEM_SOUND_MODULE_DESTINATION}/libholdem_sound.so
    ${HOLDEM_STATISTICS_MODULE_DESTINATION}/libholdem_statistics.so
    ${CMAKE_INSTALL_DATADIR}/applications/${HOLDEM_APP_ID}.desktop
    ${CMAKE_INSTALL_DATADIR}/metainfo/${HOLDEM_APP_ID}.metainfo.xml
    ${CMAKE_INSTALL_DATADIR}/mime/packages/${HOLDEM_APP_ID}.xml
    ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/${HOLDEM_APP_ID}.svg
    ${HOLDEM_DOC_DIR}/LICENSE ${HOLDEM_DOC_DIR}/README.md ${HOLDEM_DOC_DIR}/LICENSE.DejaVu
    ${HOLDEM_DOC_DIR}/copyright ${HOLDEM_DOC_DIR}/changelog.gz
    ${CMAKE_INSTALL_MANDIR}/man6/final-table-holdem.6.gz)
foreach(size ${HOLDEM_ICON_SIZES})
  list(APPEND HOLDEM_INSTALLED_FILES
       ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps/${HOLDEM_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME final-table-holdem)
set(CPACK_PACKAGE_VENDOR "The Final Table Hold'em developers")
set(CPACK_PACKAGE_CONTACT "The Final Table Hold'em developers <team@finaltableholdem.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Texas hold'em tournament against nine computer players")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Sit at the final table of a 1000-entrant Texas hold'em tournament: you\n\
play seat 1 against nine computer players until you are out of chips or\n\
the last one standing. A hand log, hand histories, game options, saved\n\
tournaments and sound.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://finaltableholdem.org/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the program links come from the binary itself; Qt's platform plugins are
# loaded at run time, so their package is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
include(CPack)
