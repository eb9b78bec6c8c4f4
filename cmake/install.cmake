# What `cmake --install` puts on a desktop, and the Debian package made from it.
include(GNUInstallDirs)
set(HOLDEM_APP_ID org.finaltableholdem.FinalTableHoldem)
set(HOLDEM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/final-table-holdem)
set(HOLDEM_ICON_SIZES 16 22 24 32 48 64 128 256 512)

install(TARGETS final-table-holdem RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS holdem_sound LIBRARY DESTINATION ${HOLDEM_SOUND_MODULE_DESTINATION})
install(FILES data/${HOLDEM_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${HOLDEM_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/${HOLDEM_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${HOLDEM_ICON_SIZES})
  install(FILES data/icons/hicolor/${size}x${size}/apps/${HOLDEM_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES LICENSE README.md DESTINATION ${HOLDEM_DOC_DIR})
install(FILES ${HOLDEM_FONT_LICENCE_COPY} DESTINATION ${HOLDEM_DOC_DIR} RENAME LICENSE.DejaVu)

# The files an install holds, relative to its prefix: the install checks compare against it.
set(HOLDEM_INSTALLED_FILES
    ${CMAKE_INSTALL_BINDIR}/final-table-holdem
    ${HOLDEM_SOUND_MODULE_DESTINATION}/libholdem_sound.so
    ${CMAKE_INSTALL_DATADIR}/applications/${HOLDEM_APP_ID}.desktop
    ${CMAKE_INSTALL_DATADIR}/metainfo/${HOLDEM_APP_ID}.metainfo.xml
    ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/${HOLDEM_APP_ID}.svg
    ${HOLDEM_DOC_DIR}/LICENSE ${HOLDEM_DOC_DIR}/README.md ${HOLDEM_DOC_DIR}/LICENSE.DejaVu)
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
    "Sit at the final table of a 1000-entrant Texas hold'em tournament: you play seat 1\n\
against nine computer players until you are out of chips or the last one standing.\n\
A hand log, hand histories, game options, saved tournaments and sound.")
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
