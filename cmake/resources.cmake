# The programs' resource scripts and the pictures they carry.
#
# The pictures (icon, dot bitmaps, logo) are drawn by
# shell/resources/make_pictures.py at build time into one folder of the build
# tree, which is put on the resource compiler's include path together with the
# source root, so a script can say  ARMY ICON "army.ico"  and
#   #include "heftrak/resources/heftrak_ids.h".
#
# Resources exist only in the Windows build; elsewhere calc_add_resources does
# nothing, so callers need no guard of their own.
include_guard(GLOBAL)

cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH CALC_SOURCE_ROOT)
set(CALC_PICTURES_DIR ${CMAKE_BINARY_DIR}/pictures)
set(CALC_PICTURES_SCRIPT ${CALC_SOURCE_ROOT}/shell/resources/make_pictures.py)
set(CALC_PICTURES
  ${CALC_PICTURES_DIR}/army.ico
  ${CALC_PICTURES_DIR}/dot11.bmp
  ${CALC_PICTURES_DIR}/dot22.bmp
  ${CALC_PICTURES_DIR}/quenrow.bmp)
# Files every resource script reads; a change must recompile the scripts.
set(CALC_RESOURCE_HEADERS
  ${CALC_SOURCE_ROOT}/shell/resources/shell_resources.h
  ${CALC_SOURCE_ROOT}/shell/resources/version.rc
  ${CALC_SOURCE_ROOT}/roster/win32/roster_resources.h
  ${CALC_SOURCE_ROOT}/heftrak/resources/heftrak_ids.h
  ${CALC_SOURCE_ROOT}/vorna/resources/vorna_ids.h
  ${CALC_GENERATED_DIR}/calc_version.h)

if(WIN32)
  enable_language(RC)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)

  # One rule and one target for the pictures, however many programs use them:
  # two rules writing the same files could run at the same time.
  add_custom_command(
    OUTPUT ${CALC_PICTURES}
    COMMAND Python3::Interpreter ${CALC_PICTURES_SCRIPT} ${CALC_PICTURES_DIR}
    DEPENDS ${CALC_PICTURES_SCRIPT}
    COMMENT "Drawing the resource pictures"
    VERBATIM)
  add_custom_target(calc_pictures DEPENDS ${CALC_PICTURES})
endif()

# calc_add_resources(TARGET RCFILE...)
# Compiles the resource scripts into TARGET (Windows build only).
function(calc_add_resources target)
  if(NOT WIN32)
    return()
  endif()
  foreach(rc IN LISTS ARGN)
    cmake_path(ABSOLUTE_PATH rc BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
    target_sources(${target} PRIVATE ${rc})
    # windres's dependency scanning does not see the pictures or the headers.
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES
      OBJECT_DEPENDS "${CALC_PICTURES};${CALC_RESOURCE_HEADERS}")
  endforeach()
  target_include_directories(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:RC>:${CALC_PICTURES_DIR}>
    $<$<COMPILE_LANGUAGE:RC>:${CALC_SOURCE_ROOT}>)
  add_dependencies(${target} calc_pictures)
endfunction()
