# Installation (GNU layout) and the Debian package. GNUInstallDirs comes in
# through cmake/BuildInfo.cmake, which also tells the program where its data
# lands relative to its executable.

# Published with the package and the AppStream data. The screenshots are the
# repository's docs/screenshots/, served under the same path of the site. The
# default is a placeholder (a reserved example domain) until the project has
# a site of its own.
set(ZENTARO_HOMEPAGE "https://zentaro.example.org" CACHE STRING "The project's web site")
set(ZENTARO_SCREENSHOTS_URL "${ZENTARO_HOMEPAGE}/docs/screenshots")
set(ZENTARO_APPSTREAM_ID "pl.quillonworks.zentaro")
# The date of the release named by project(VERSION); change both together.
set(ZENTARO_RELEASE_DATE "2026-12-09")

set(ZENTARO_MAN_DIR ${PROJECT_BINARY_DIR}/man)
set(ZENTARO_PACKAGING_DIR ${PROJECT_BINARY_DIR}/packaging)

# Man pages: the version filled in, compressed as Debian keeps them.
set(man_pages)
foreach(source ${PROJECT_SOURCE_DIR}/res/zentaro-cli.1 ${PROJECT_SOURCE_DIR}/packaging/zentaro.1)
  get_filename_component(name ${source} NAME)
  if(ZENTARO_CORE_ONLY AND name STREQUAL "zentaro.1")
    continue()
  endif()
  configure_file(${source} ${ZENTARO_MAN_DIR}/${name} @ONLY)
  add_custom_command(OUTPUT ${ZENTARO_MAN_DIR}/${name}.gz
    COMMAND gzip -9 -n -f -k ${name}
    WORKING_DIRECTORY ${ZENTARO_MAN_DIR}
    DEPENDS ${ZENTARO_MAN_DIR}/${name}
    VERBATIM)
  list(APPEND man_pages ${ZENTARO_MAN_DIR}/${name}.gz)
endforeach()
add_custom_target(zentaro_man_pages ALL DEPENDS ${man_pages})

install(TARGETS zentaro-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(NOT ZENTARO_CORE_ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/zentaro.metainfo.xml.in
    ${ZENTARO_PACKAGING_DIR}/${ZENTARO_APPSTREAM_ID}.metainfo.xml @ONLY)

  install(TARGETS zentaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The help file goes where the program looks once installed (base/BuildInfo.h).
  install(FILES ${PROJECT_BINARY_DIR}/zentaro.chm DESTINATION ${CMAKE_INSTALL_DATADIR}/zentaro)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/zentaro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ZENTARO_PACKAGING_DIR}/${ZENTARO_APPSTREAM_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${PROJECT_SOURCE_DIR}/res/images/zentaro.svg DESTINATION ${icons}/scalable/apps)
  foreach(size 48 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/res/images/zentaro-${size}.png
      DESTINATION ${icons}/${size}x${size}/apps RENAME zentaro.png)
  endforeach()
endif()

# The Debian package (tools/package.sh): cpack -G DEB in the build folder.
# Installing and packaging take what is built and never build first, as
# cmake --install does: tools/package.sh builds before, and the package
# check in the test suite saves a pass over the whole tree.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentaro)
set(CPACK_PACKAGE_VENDOR "Quillon Works")
set(CPACK_PACKAGE_CONTACT "Quillon Works")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering calculator for heating, ventilation and air conditioning")
# The summary above is the description's first line; this is its body.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Zentaro is a desktop calculator for engineers who design and assess
building heating, ventilation and air-conditioning installations, with a
Polish user interface. One window holds a scientific calculator with an
editable paper tape, a unit converter over 31 physical quantities, and the
properties of liquid water, water steam and humid air; from each medium it
opens a flow analysis (pipe and duct sizing, pressure losses) and an energy
analysis (heat power, enthalpy change, energy over a time).

The package also holds zentaro-cli, the same engine on the command line,
with table, JSON and CSV output.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZENTARO_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The framework's own texts (standard buttons, context menus) in Polish;
# without it they show in English and everything else works.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
