# SPDX-License-Identifier: GPL-3.0-or-later
# The core libraries hold their texts as Windows-1252 bytes, exactly as the data
# files do: string literals are written in UTF-8 in the sources and compiled to
# Windows-1252. Headers of these libraries must therefore keep non-ASCII literals
# out of inline code, since the window's code includes them with UTF-8 literals.
function(talve_core_charset target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP1252)
  endif()
  # clang only writes UTF-8 literals: its builds (the fuzzers) keep the
  # non-ASCII texts in UTF-8, which changes messages but no parsing path that
  # the fuzzers exercise.
endfunction()

# talve_add_core_library(name DIR dir DEPS lib...)
# Every .cpp of the folder belongs to the library, so adding a unit needs no
# change here.
function(talve_add_core_library name)
  cmake_parse_arguments(ARG "" "DIR" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${ARG_DIR}/*.cpp")
  if(NOT sources)
    # An area without units yet still takes its place among the layers.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  talve_set_warnings(${name})
  talve_core_charset(${name})
endfunction()

# talve_add_test(name DIR dir LIBS lib...)
# One GoogleTest executable per source area, discovered by CTest.
function(talve_add_test name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${ARG_DIR}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} talve_test_support GTest::gtest_main GTest::gmock)
  talve_set_warnings(${name})
  talve_core_charset(${name})
  target_compile_definitions(${name} PRIVATE
    TALVE_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    TALVE_REAL_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data/real"
    TALVE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "LC_ALL=C;LANG=;LC_NUMERIC=;TZ=Europe/Paris")
endfunction()
