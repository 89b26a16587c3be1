# Read by cpack for each generator: the tarball holds the portable folder, the Debian package the system install.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_SQUADRANT_BUILD_DIR};Squadrant;system;/")
else()
  set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_SQUADRANT_BUILD_DIR};Squadrant;portable;/")
  set(CPACK_PACKAGING_INSTALL_PREFIX "/")
endif()
