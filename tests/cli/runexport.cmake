# Runs `plotwright-cli export` once (through runcli.cmake: exit code, one error
# line) and checks what it left at OUT.
#   CLI, ARGS ("|"-separated), EXPECT_RC as in runcli.cmake
#   OUT        the output path given to -o
#   OLD        optional: OUT holds this text before the run and must still hold it after a failure
#   START      optional: on success the file must start with this text
if(DEFINED OLD)
  file(WRITE "${OUT}" "${OLD}")
elseif(NOT IS_DIRECTORY "${OUT}")
  file(REMOVE "${OUT}")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/runcli.cmake)
if(rc EQUAL 0)
  file(READ "${OUT}" head LIMIT 64)
  string(FIND "${head}" "${START}" at)
  if(NOT at EQUAL 0)
    message(FATAL_ERROR "${OUT} does not start with ${START}: ${head}")
  endif()
elseif(DEFINED OLD)
  file(READ "${OUT}" now)
  if(NOT now STREQUAL OLD)
    message(FATAL_ERROR "${OUT} was changed by a failed export")
  endif()
endif()
# The file is written beside OUT and renamed: nothing of it may stay behind.
get_filename_component(folder "${OUT}" DIRECTORY)
get_filename_component(name "${OUT}" NAME)
if(IS_DIRECTORY "${folder}")
  file(GLOB leftovers "${folder}/.${name}*")
  if(leftovers)
    message(FATAL_ERROR "temporary files left behind: ${leftovers}")
  endif()
endif()
