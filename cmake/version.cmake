# Checks that the version text agrees with the version numbers, and writes both
# into one generated header that the resource scripts and the About box read.
if(NOT CALC_VERSION_TEXT MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9][0-9])[A-Z]$")
  message(FATAL_ERROR "Version text '${CALC_VERSION_TEXT}' is not MAJOR.MINOR.BB plus a letter")
endif()
math(EXPR calc_text_build "${CMAKE_MATCH_3}")  # "01" -> 1
if(NOT "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${calc_text_build}" VERSION_EQUAL PROJECT_VERSION
   OR NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR
    "Version text '${CALC_VERSION_TEXT}' does not agree with version ${PROJECT_VERSION}")
endif()
# Windows Installer's limits on a product version.
if(PROJECT_VERSION_MAJOR GREATER 255 OR PROJECT_VERSION_MINOR GREATER 255
   OR PROJECT_VERSION_PATCH GREATER 65535)
  message(FATAL_ERROR "Version ${PROJECT_VERSION} is beyond Windows Installer's 255.255.65535")
endif()

set(CALC_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/calc_version.h.in ${CALC_GENERATED_DIR}/calc_version.h
               @ONLY)
target_include_directories(calc_options INTERFACE ${CALC_GENERATED_DIR})
