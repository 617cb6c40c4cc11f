# Hands the version declared in project() and the install layout to the code
# through one generated header, base/BuildInfo.h.
include(GNUInstallDirs)

# The relative path lets an installed program find its data wherever the
# whole tree was installed (a package, a temporary prefix, /usr/local).
file(RELATIVE_PATH ZENTARO_DATA_DIR_FROM_BIN_DIR
  "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}/zentaro")
configure_file(${PROJECT_SOURCE_DIR}/src/base/BuildInfo.h.in
  ${PROJECT_BINARY_DIR}/generated/base/BuildInfo.h @ONLY)
target_include_directories(zentaro_core PUBLIC ${PROJECT_BINARY_DIR}/generated)
