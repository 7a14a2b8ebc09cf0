# What `cmake --install` puts on a freedesktop desktop, and the Debian package CPack builds
# from it (`make package`, or `cpack -G DEB` in the build folder).
if(NOT TARGET quintello OR NOT TARGET quintello_pittore)
  return()
endif()

include(GNUInstallDirs)

# One reverse-DNS id names the desktop entry and the AppStream component; the icon keeps the
# program's name so that Icon= and Exec= read alike.
set(QUINTELLO_ID it.example.quintello)
set(QUINTELLO_NOME_ICONA quintello)
set(QUINTELLO_LATI_ICONA 16 32 48 64 128)
set(QUINTELLO_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)

# The PNG icons are painted by the same code as the window's icon, at build time.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools/icone ${PROJECT_BINARY_DIR}/tools/icone)
set(QUINTELLO_CARTELLA_ICONE ${PROJECT_BINARY_DIR}/icone/hicolor)
set(quintello_png_icone)
foreach(lato IN LISTS QUINTELLO_LATI_ICONA)
  list(APPEND quintello_png_icone
    ${QUINTELLO_CARTELLA_ICONE}/${lato}x${lato}/apps/${QUINTELLO_NOME_ICONA}.png)
endforeach()
# A build step is no leak check (the sanitized suite is), so a sanitized build's leak report
# at the tool's exit must not fail the build.
add_custom_command(OUTPUT ${quintello_png_icone}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
    $<TARGET_FILE:quintello-icone> ${QUINTELLO_CARTELLA_ICONE} ${QUINTELLO_NOME_ICONA}
    ${QUINTELLO_LATI_ICONA}
  DEPENDS quintello-icone
  COMMENT "Icone PNG di Quintello"
  VERBATIM)
add_custom_target(quintello_icone ALL DEPENDS ${quintello_png_icone})

install(TARGETS quintello RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUINTELLO_PACKAGING}/${QUINTELLO_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUINTELLO_PACKAGING}/${QUINTELLO_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The scalable icon is the artwork's own hand-drawn copy, kept beside the code that paints it.
install(FILES ${PROJECT_SOURCE_DIR}/pittore/quintello.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${QUINTELLO_NOME_ICONA}.svg)
# The licence as Debian wants it, beside the package's documentation: GPL-3.0-or-later.
install(FILES ${QUINTELLO_PACKAGING}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quintello)
foreach(lato IN LISTS QUINTELLO_LATI_ICONA)
  install(FILES ${QUINTELLO_CARTELLA_ICONE}/${lato}x${lato}/apps/${QUINTELLO_NOME_ICONA}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps)
endforeach()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintello)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quintello")
set(CPACK_PACKAGE_CONTACT "Quintello <quintello@example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quintello <quintello@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scopa card game against the computer - scopa contro il computer")
# CPack puts the summary above this as the synopsis, indents it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Quintello is scopa, the Italian fishing card game for two, played against
the computer with the forty-card Italian deck. It deals, proposes the
captures the rules allow and counts every hand: cards, coins, the
settebello, primiera and sweeps. The game is in Italian only.

Quintello è la scopa, il gioco di carte italiano per due, giocata contro
il computer con il mazzo di quaranta carte. Distribuisce le carte, propone
le prese permesse dalle regole e conta ogni mano: carte, denari,
settebello, primiera e scope.]=])
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/quintello")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt libraries come from dpkg-shlibdeps; the platform plugins and Qt's own Italian
# translations are loaded at run time, so no linker tells about them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Users get a stripped program; the build folder keeps the one with debug information.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

add_subdirectory(${PROJECT_SOURCE_DIR}/tests/pacchetto ${PROJECT_BINARY_DIR}/tests/pacchetto)
