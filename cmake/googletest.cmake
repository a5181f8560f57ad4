# Natively, Debian's own build of GoogleTest: the same sources, built once by
# the distribution instead of on every fresh clone (a tenth of the native
# build). The suites' code is what the sanitizers watch, not GoogleTest's.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest CONFIG QUIET)
endif()
if(NOT TARGET GTest::gtest)
  # Otherwise, and for Windows, GoogleTest from Debian's sources, built with
  # this project's compiler, so the same suites run natively and under Wine.
  set(CALC_GTEST_DIR /usr/src/googletest CACHE PATH "GoogleTest source tree")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${CALC_GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(WIN32)
    # As the code it tests (compile_options.cmake): no type information.
    foreach(t gtest gtest_main)
      target_compile_options(${t} PRIVATE -fno-rtti)
    endforeach()
  endif()
  if(CALC_SANITIZE)
    foreach(t gtest gtest_main)
      target_compile_options(${t} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
    endforeach()
  endif()
  # GoogleTest and the suites' own files are compiled unoptimised: their
  # assertions compile in a third of the time, and the code under test keeps
  # its build type's optimisation (and the sanitizers) all the same.
  foreach(t gtest gtest_main)
    target_compile_options(${t} PRIVATE -O0)
  endforeach()
endif()
include(GoogleTest)

# One precompiled gtest.h for every suite of a build, which would otherwise
# parse it afresh in each file, most of the file's compile time. The suites
# share one set of options (calc_add_test), so one header serves them all.
add_library(calc_test_header OBJECT ${CMAKE_CURRENT_LIST_DIR}/test_header.cpp)
target_link_libraries(calc_test_header PRIVATE calc_options GTest::gtest)
target_compile_options(calc_test_header PRIVATE -O0)
set_target_properties(calc_test_header PROPERTIES CALC_TEST_CODE ON)
target_precompile_headers(calc_test_header PRIVATE <gtest/gtest.h>)

# calc_test_compile(TARGET): a program made of test code (GoogleTest's
# assertions, the window drivers) compiled as the suites are, unoptimised with
# the precompiled gtest.h; what it tests keeps its own optimisation.
function(calc_test_compile target)
  set_target_properties(${target} PROPERTIES CALC_TEST_CODE ON)
  target_compile_options(${target} PRIVATE -O0)
  target_precompile_headers(${target} REUSE_FROM calc_test_header)
endfunction()

# calc_add_test(NAME sources... LIBS libs...)
# Natively every test case is its own CTest test; under Wine a whole suite runs
# as one process, because each Wine start costs far more than the tests.
function(calc_add_test name)
  cmake_parse_arguments(arg "" "" "LIBS" ${ARGN})
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} calc_options GTest::gtest_main)
  calc_test_compile(${name})
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
  endif()
endfunction()
