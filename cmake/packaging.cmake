# Installing on Linux, and the Debian package that `cpack -G DEB` makes of it: both
# programs, the desktop entry with its icon, their manual pages, the changelog and the
# license as the package's copyright file. The package's dependencies come from the
# libraries the programs link (dpkg-shlibdeps).
include(GNUInstallDirs)
set(QUILL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quillstrom)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillstrom maintainers <maintainers@quillstrom.org>")

# Debian keeps manual pages and changelogs compressed, without the name and time that
# gzip would otherwise store, so the same text makes the same file.
function(quill_install_gzipped source name destination)
  configure_file(${source} ${name} @ONLY)
  add_custom_command(OUTPUT ${name}.gz
    COMMAND gzip -9 -n -c ${name} > ${name}.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_custom_target(gzip_${name} ALL DEPENDS ${name}.gz)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz DESTINATION ${destination})
endfunction()

install(TARGETS quillstrom-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
quill_install_gzipped(packaging/quillstrom-cli.1.in quillstrom-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
if(QUILL_QT_WINDOW)
  install(TARGETS quillstrom RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  quill_install_gzipped(packaging/quillstrom.1.in quillstrom.1 ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES packaging/quillstrom.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/artwork/satellite-48.png RENAME quillstrom.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
endif()

# The project makes its own package, so it is a native one: its changelog is changelog.gz.
# Its date is the build's, or SOURCE_DATE_EPOCH's when that is set.
string(TIMESTAMP QUILL_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
quill_install_gzipped(packaging/changelog.in changelog ${QUILL_DOC_DIR})
install(FILES LICENSE RENAME copyright DESTINATION ${QUILL_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillstrom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Quillstrom authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "update avionics navigation databases from an X-Plane navigation data cycle")
# Debian shows each line as written, after one space: at most 79 characters.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Quillstrom refreshes the navigation databases of Orvanel's flight-simulation
avionics products (Skelmar Builder and Console, the Brannock 2.X and 3.X EFIS
and MFD units) from one navigation data cycle in the X-Plane 11/12 text
formats: apt.dat, earth_nav.dat, earth_fix.dat and earth_awy.dat.

The package holds the window, quillstrom, and the command-line tool,
quillstrom-cli, which also lists, checks and restores product databases.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
