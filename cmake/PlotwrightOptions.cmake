# One INTERFACE target carries the language level, warnings and floating-point
# rules for every target of the project.
add_library(plotwright_options INTERFACE)
target_compile_features(plotwright_options INTERFACE cxx_std_20)
target_compile_options(plotwright_options INTERFACE
  -Wall -Wextra -Werror
  # Prices must come out bit for bit: no fused multiply-add, no fast math.
  -ffp-contract=off -fno-fast-math)
target_compile_definitions(plotwright_options INTERFACE
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

if(PLOTWRIGHT_SANITIZE)
  target_compile_options(plotwright_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(plotwright_options INTERFACE -fsanitize=address,undefined)
endif()

# Adds a directory's tests as one GoogleTest executable registered with CTest.
function(plotwright_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE plotwright_options GTest::gtest GTest::gtest_main ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE
    PLOTWRIGHT_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    PLOTWRIGHT_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  # Tests read the bundled library and pictures next to their executable.
  add_dependencies(${name} plotwright_resources)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
