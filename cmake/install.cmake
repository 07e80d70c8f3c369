# Installation: the shared library (with its SONAME), the public header, the
# command-line tool, a CMake package (TavrixParserConfig.cmake with a
# version file) and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set_target_properties(tavrix_parser PROPERTIES
  VERSION ${PROJECT_VERSION}
  SOVERSION ${PROJECT_VERSION_MAJOR}
  PUBLIC_HEADER ${PROJECT_SOURCE_DIR}/include/tavrix_parser.h)
target_include_directories(tavrix_parser PUBLIC
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)

install(TARGETS tavrix_parser EXPORT TavrixParserTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)
install(TARGETS tavrix-parse RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)

set(TAVRIX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/TavrixParser)
install(EXPORT TavrixParserTargets NAMESPACE TavrixParser:: DESTINATION ${TAVRIX_CMAKE_DIR}
  COMPONENT development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TavrixParserConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TavrixParserConfig.cmake INSTALL_DESTINATION ${TAVRIX_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TavrixParserConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TavrixParserConfig.cmake ${PROJECT_BINARY_DIR}/TavrixParserConfigVersion.cmake
  DESTINATION ${TAVRIX_CMAKE_DIR} COMPONENT development)

# pkg-config: paths relative to where the file lands, so that the installed
# tree can be moved (a package unpacked into a scratch root still works).
file(RELATIVE_PATH TAVRIX_PC_TO_PREFIX "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
configure_file(${PROJECT_SOURCE_DIR}/cmake/tavrix_parser.pc.in ${PROJECT_BINARY_DIR}/tavrix_parser.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tavrix_parser.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT development)

# The Java classes beside the native library.
if(TAVRIX_JAVA)
  install_jar(tavrix_parser_jar DESTINATION ${CMAKE_INSTALL_DATADIR}/java COMPONENT runtime)
endif()
