# Installing on Linux, and the Debian package that `cpack -G DEB` makes of it: both
# programs, the desktop entry with its icon, the manual page and the license as the
# package's copyright file. The package's dependencies come from the libraries the
# programs link (dpkg-shlibdeps).
include(GNUInstallDirs)
set(QUILL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quillstrom)

install(TARGETS quillstrom-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(QUILL_QT_WINDOW)
  install(TARGETS quillstrom RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES packaging/quillstrom.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/artwork/satellite-48.png RENAME quillstrom.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
endif()

configure_file(packaging/quillstrom-cli.1.in quillstrom-cli.1 @ONLY)
add_custom_command(OUTPUT quillstrom-cli.1.gz
  COMMAND gzip -9 -n -c quillstrom-cli.1 > quillstrom-cli.1.gz
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/quillstrom-cli.1)
add_custom_target(manual_page ALL DEPENDS quillstrom-cli.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quillstrom-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE RENAME copyright DESTINATION ${QUILL_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillstrom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Quillstrom authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "update avionics navigation databases from an X-Plane navigation data cycle")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Refreshes the navigation databases of Orvanel's flight-simulation avionics products
 from one navigation data cycle in the X-Plane 11/12 text formats (apt.dat,
 earth_nav.dat, earth_fix.dat, earth_awy.dat): a window and a command-line tool.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "the Quillstrom authors")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
