# Installation on Linux (manual pages, bash completion, desktop entry, icons,
# AppStream metainfo) and the Debian package: `make package` (CPack, in the
# build tree). See docs/platforms.md.
include(GNUInstallDirs)

# Manual pages from their scdoc sources in docs/man.
find_program(SCDOC_EXECUTABLE scdoc)
if(SCDOC_EXECUTABLE)
  set(VANTOREL_MAN_DIR ${CMAKE_CURRENT_BINARY_DIR}/man)
  set(VANTOREL_MAN_PAGES)
  foreach(program vantorel-control-center vantorelctl vantorel-emulator)
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/docs/man/${program}.1.scd)
    set(page ${VANTOREL_MAN_DIR}/${program}.1)
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTOREL_MAN_DIR}
      COMMAND ${SCDOC_EXECUTABLE} < ${source} > ${page}
      COMMAND gzip -9 -n -f -k ${page}
      DEPENDS ${source} COMMENT "Manual page ${program}(1)")
    list(APPEND VANTOREL_MAN_PAGES ${page}.gz)
  endforeach()
  add_custom_target(man_pages ALL DEPENDS ${VANTOREL_MAN_PAGES})
  install(FILES ${VANTOREL_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "scdoc not found: no manual pages (Debian package scdoc)")
endif()

install(FILES packaging/vantorelctl.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vantorelctl)

foreach(size 16 24 32 48 64 128 256)
  install(FILES desktop/icons/${size}x${size}/vantorel-control-center.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Date of this version, as in packaging/changelog.
set(VANTOREL_RELEASE_DATE 2026-12-08)
configure_file(desktop/vantorel-control-center.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/io.vantorel.ControlCenter.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/io.vantorel.ControlCenter.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The Debian changelog of a native package, compressed as Debian policy asks.
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  COMMAND gzip -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog > ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  DEPENDS packaging/changelog)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantorel-control-center)
set(CPACK_PACKAGE_VENDOR "VANTOREL Control Center developers")
set(VANTOREL_PACKAGE_MAINTAINER "VANTOREL Control Center developers <developers@vantorel.io>"
    CACHE STRING "Maintainer of the Debian package, \"name <e-mail>\"")
set(CPACK_PACKAGE_CONTACT "${VANTOREL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VANTOREL_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure and service VANTOREL MIDI-to-DMX512 converters")
set(CPACK_PACKAGE_DESCRIPTION "VANTOREL Control Center configures and services VANTOREL MIDI-to-DMX512
converters (editions Pro, Basic and Eco) over MIDI: device identity and ID,
the DMX channel table (read, write, CSV files), Basic/Eco modes, device
options, firmware upload and the interface test. It speaks English, Polish
and German.

Also contains the command-line tool vantorelctl and the device emulator
vantorel-emulator.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies as dpkg-shlibdeps finds them in the binaries; JACK is optional.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windowing plugins are loaded at run time, where dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own texts (message box buttons, file dialogs) in the program's languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS jackd2)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Only the program's own files: the firmware packer and tests stay out.
set(CPACK_COMPONENTS_ALL Unspecified)
include(CPack)
