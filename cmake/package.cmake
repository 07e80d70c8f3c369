# Debian package through CPack (`cpack -G DEB` in the build tree): the
# library, header, CMake and pkg-config files, the tool (and the jar when
# the Java binding is built).
set(CPACK_PACKAGE_NAME tavrix-parser)
set(CPACK_PACKAGE_VENDOR "tavrix_parser developers")
set(CPACK_PACKAGE_CONTACT "tavrix_parser developers <tavrix-parser@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Reads the machine-readable data of identity documents")
set(CPACK_PACKAGE_DESCRIPTION
  "Recognises AAMVA driving-licence barcodes, magnetic stripes, health-card texts, Common Access Card and national barcodes and machine-readable zones, and answers names, address, dates and more through a C interface and a Java binding.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
include(CPack)
