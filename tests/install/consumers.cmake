# Builds and runs the two consumer programs against an installed tree:
#   cmake -DPREFIX=<installed prefix> -DSOURCE=<this directory> -DWORK=<scratch> -P consumers.cmake
# The C++ one finds the library with find_package, the C99 one with
# pkg-config. Used after `cmake --install` and on an unpacked Debian package.
foreach(var PREFIX SOURCE WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  message(STATUS "${out}")
endfunction()

file(GLOB_RECURSE libraries "${PREFIX}/lib*/libtavrix_parser.so.1")
if(NOT libraries)
  message(FATAL_ERROR "no libtavrix_parser.so.1 under ${PREFIX}")
endif()
list(GET libraries 0 library)
get_filename_component(libdir ${library} DIRECTORY)

run(${CMAKE_COMMAND} -S ${SOURCE}/cxx -B ${WORK}/cxx -DCMAKE_PREFIX_PATH=${PREFIX})
run(${CMAKE_COMMAND} --build ${WORK}/cxx)
run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libdir} ${WORK}/cxx/consumer)

find_program(PKG_CONFIG pkg-config REQUIRED)
find_program(CC NAMES cc gcc clang REQUIRED)
file(GLOB_RECURSE pcfiles "${PREFIX}/*/tavrix_parser.pc")
list(GET pcfiles 0 pcfile)
get_filename_component(pcdir ${pcfile} DIRECTORY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${pcdir} ${PKG_CONFIG} --cflags --libs tavrix_parser
  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "pkg-config does not know tavrix_parser")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${CC} -std=c99 -pedantic -Wall -Werror ${SOURCE}/c99/main.c ${flags} -o ${WORK}/c99-consumer)
run(${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${libdir} ${WORK}/c99-consumer)
