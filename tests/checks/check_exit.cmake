# Runs one command and checks its exit status (and, optionally, that its
# standard output or error matches a pattern). A crash never counts as the expected
# status, unlike a test marked WILL_FAIL.
#   -DCOMMAND=<program;args...> -DEXPECTED=<status> [-DPATTERN=<regex>]
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT "${status}" STREQUAL "${EXPECTED}")
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED PATTERN AND NOT "${out}${err}" MATCHES "${PATTERN}")
  message(FATAL_ERROR "output does not match '${PATTERN}':\n${out}")
endif()
