# Runs plotwright-cli once and checks its exit code, its error line and, when
# given, its output against a golden file or a written file against a reference.
#   CLI          the executable
#   ARGS         its arguments, separated by "|"
#   EXPECT_RC    the exit code
#   GOLDEN       optional: stdout must equal this file
#   OUTPUT_FILE  optional, with REFERENCE: the file the command wrote must equal REFERENCE byte for byte
#   ERROR_CONTAINS optional: the error line must hold this text
string(REPLACE "|" ";" arguments "${ARGS}")
if(OUTPUT_FILE)
  file(REMOVE "${OUTPUT_FILE}")
endif()
execute_process(COMMAND "${CLI}" ${arguments}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL EXPECT_RC)
  message(FATAL_ERROR "exit code ${rc}, expected ${EXPECT_RC}\nstderr: ${err}")
endif()
if(rc EQUAL 0)
  if(NOT err STREQUAL "")
    message(FATAL_ERROR "unexpected error output: ${err}")
  endif()
else()
  # One line: a message and its line feed.
  string(REGEX MATCHALL "\n" feeds "${err}")
  list(LENGTH feeds lines)
  if(NOT lines EQUAL 1 OR NOT err MATCHES "\n$")
    message(FATAL_ERROR "expected one error line, got: ${err}")
  endif()
endif()
if(ERROR_CONTAINS)
  string(FIND "${err}" "${ERROR_CONTAINS}" at)
  if(at LESS 0)
    message(FATAL_ERROR "error line lacks \"${ERROR_CONTAINS}\": ${err}")
  endif()
endif()
if(GOLDEN)
  file(READ "${GOLDEN}" expected)
  if(NOT out STREQUAL expected)
    string(REPLACE ".txt" ".actual.txt" actual "${GOLDEN}")
    get_filename_component(actual "${actual}" NAME)
    file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/${actual}" "${out}")
    message(FATAL_ERROR "output differs from ${GOLDEN}; see ${CMAKE_CURRENT_BINARY_DIR}/${actual}")
  endif()
endif()
if(OUTPUT_FILE)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT_FILE}" "${REFERENCE}" RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${OUTPUT_FILE} differs from ${REFERENCE}")
  endif()
endif()
