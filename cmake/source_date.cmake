# The one time every artefact of the release carries (the programs' headers
# and export tables, the package's summary and cabinet, the zip's entries), so
# that the same commit always builds the same bytes: SOURCE_DATE_EPOCH when it
# is set, else the time of the commit checked out, else (a tree without git,
# such as an unpacked `git archive`) the commit time that `git archive` wrote
# into cmake/commit_time.txt, else the time of this project's top-level
# CMakeLists.txt (which an unzip tool may not keep).
set(calc_epoch_origin "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(CALC_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
  set(calc_epoch_origin "SOURCE_DATE_EPOCH")
else()
  find_package(Git QUIET)
  if(GIT_FOUND)
    # Only a checkout of this project itself: not a repository around it.
    execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE calc_git_top OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE calc_git_failed ERROR_QUIET)
    if(NOT calc_git_failed)
      file(REAL_PATH "${calc_git_top}" calc_git_top)
      file(REAL_PATH "${PROJECT_SOURCE_DIR}" calc_source_top)
    endif()
    if(NOT calc_git_failed AND calc_git_top STREQUAL calc_source_top)
      execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                      OUTPUT_VARIABLE CALC_SOURCE_DATE_EPOCH
                      OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      set(calc_epoch_origin "the commit checked out")
      # A new commit must stamp its own time: configure again when HEAD moves.
      execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --path-format=absolute
                              --git-path logs/HEAD
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                      OUTPUT_VARIABLE calc_head_log OUTPUT_STRIP_TRAILING_WHITESPACE
                      ERROR_QUIET)
      if(EXISTS "${calc_head_log}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${calc_head_log}")
      endif()
    endif()
  endif()
  if(calc_epoch_origin STREQUAL "")
    # Holds a number only in a tree that `git archive` wrote.
    file(STRINGS ${PROJECT_SOURCE_DIR}/cmake/commit_time.txt calc_archive_time
         REGEX "^[0-9]+$")
    if(calc_archive_time)
      set(CALC_SOURCE_DATE_EPOCH "${calc_archive_time}")
      set(calc_epoch_origin "the commit time git archive wrote into cmake/commit_time.txt")
    endif()
  endif()
  if(calc_epoch_origin STREQUAL "")
    file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt CALC_SOURCE_DATE_EPOCH "%s" UTC)
    set(calc_epoch_origin "the time of CMakeLists.txt (neither a git checkout nor a git archive)")
  endif()
endif()
if(NOT CALC_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$" OR CALC_SOURCE_DATE_EPOCH LESS 315532800)
  # 315532800 is 1 January 1980, the earliest time a zip or cabinet can hold.
  message(FATAL_ERROR "SOURCE_DATE_EPOCH '${CALC_SOURCE_DATE_EPOCH}' (from ${calc_epoch_origin}) "
                      "is not a count of seconds since 1970 after 1980")
endif()
message(STATUS "Release time stamp: ${CALC_SOURCE_DATE_EPOCH} (from ${calc_epoch_origin})")
