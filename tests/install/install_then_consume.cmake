# Installs the build tree BUILD into PREFIX, then builds and runs the
# consumers against it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE rc
  OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/consumers.cmake)
