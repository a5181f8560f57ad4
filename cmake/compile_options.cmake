# A compiler cache, when the machine has one: a second build of unchanged
# sources (another preset's tools, a clean clone, the reproducibility check's
# copy of the tree) takes objects from it instead of compiling again. Paths
# under the source folder are hashed relative to it, so a copy of the tree in
# another folder shares the cache. The cache lives in build/ unless
# CCACHE_DIR names another (the commands leave nothing outside the folder).
find_program(CALC_CCACHE ccache)
if(CALC_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  # Chosen at the first configure: a later run with another environment
  # must not change every compile command (and so rebuild everything).
  if(DEFINED ENV{CCACHE_DIR})
    set(calc_ccache_default "$ENV{CCACHE_DIR}")
  else()
    set(calc_ccache_default "${PROJECT_SOURCE_DIR}/build/ccache")
  endif()
  set(CALC_CCACHE_DIR "${calc_ccache_default}" CACHE PATH "The compiler cache's folder")
  # Depend mode takes the included files from the compiler's own -MD list
  # instead of running the preprocessor first: a fifth of each new file's
  # compile time. The tests' precompiled header (googletest.cmake) needs
  # pch_defines and time_macros (no source uses __DATE__ or __TIME__).
  set(calc_ccache_sloppiness pch_defines,time_macros)
  if(WIN32)
    # The locale changes nothing of the Windows objects but the compiler's
    # messages (and a build that warns fails): the reproducibility check's
    # copy, built under another locale, takes the objects this build made.
    string(APPEND calc_ccache_sloppiness ",locale")
  endif()
  set(CMAKE_CXX_COMPILER_LAUNCHER
      ${CMAKE_COMMAND} -E env "CCACHE_DIR=${CALC_CCACHE_DIR}" "CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}"
      CCACHE_NOHASHDIR=1 CCACHE_MAXSIZE=5G CCACHE_DEPEND=1
      "CCACHE_SLOPPINESS=${calc_ccache_sloppiness}" ${CALC_CCACHE})
endif()

# Options every target of this project is compiled with.
add_library(calc_options INTERFACE)
target_compile_options(calc_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Werror
  # The figures are single-precision floats rounded after every operation, in
  # the order written; a fused multiply-add would change their last bits.
  -ffp-contract=off)

if(WIN32)
  # i686 defaults to x87 arithmetic with 80-bit intermediates, which would give
  # other float results than the native build: use SSE like x86_64 does.
  target_compile_options(calc_options INTERFACE -msse2 -mfpmath=sse)
  # Windows promises a 32-bit program only a 4-byte aligned stack (a window
  # procedure is entered with what user32 had), so keeping 16 bytes at every
  # call only pads each frame: align where a function needs it (some 1 KB a
  # program). Optimised for size beyond -Os: the programs' busiest path, a
  # roster's rows, is far inside its time either way (some 1 KB more). A
  # plain variable, so that a build folder configured before takes it too;
  # the tests' own files stay at -O0 (googletest.cmake).
  target_compile_options(calc_options INTERFACE -mpreferred-stack-boundary=2)
  set(CMAKE_CXX_FLAGS_MINSIZEREL "-Oz -DNDEBUG")
  # Small programs: nothing here throws or catches, so no exception tables;
  # nothing asks a type's name or casts down at run time, so no type
  # information (a name for every class with a virtual function, and the
  # runtime's classes that describe them: some 5 to 8 KB a program); one
  # thread, so no locks around the first use of a function's static (the
  # runtime's lock throws, and would bring exception handling back); each
  # function and datum in a section of its own, so the programs' link can
  # leave out what they never reach.
  target_compile_options(calc_options INTERFACE
    -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-threadsafe-statics
    -ffunction-sections -fdata-sections)
  # Nothing compiled names the folder the tree is in (a source's name is
  # written from the top of the tree), so the same commit compiles to the
  # same objects in any folder, and a copy of the tree elsewhere may take
  # them from the compiler cache.
  target_compile_options(calc_options INTERFACE -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=)
  target_link_options(calc_options INTERFACE -static)

  # What a shipped program links besides its code: the C++ runtime's throwing
  # paths replaced by an abort (see program_runtime.cpp), and the unreached
  # sections dropped. Without them each program carried some 250 KB of
  # exception handling, demangler and POSIX thread layer it never runs.
  # Also the application manifest (program_manifest.rc says what it declares),
  # and the header flag that tells a terminal server the program needs none
  # of its compatibility work (no per-user Windows folder, no INI mapping).
  add_library(calc_program_runtime OBJECT ${CMAKE_CURRENT_LIST_DIR}/program_runtime.cpp
                                          ${CMAKE_CURRENT_LIST_DIR}/program_manifest.rc)
  target_link_libraries(calc_program_runtime PRIVATE calc_options)
  target_include_directories(calc_program_runtime PRIVATE
    $<$<COMPILE_LANGUAGE:RC>:${CMAKE_CURRENT_LIST_DIR}>)
  set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/program_manifest.rc PROPERTIES
    OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/program.manifest)
  target_link_options(calc_program_runtime INTERFACE -Wl,--gc-sections -Wl,--tsaware)

  # A shipped program is optimised as a whole at its link: what one file
  # calls of another is inlined or dropped across the files (a fifth of each
  # program). The objects also carry ordinary code, so the tests link them
  # as they are, without the whole-program step (their links would take
  # minutes). One partition: GCC 12 stops with an internal error when it
  # splits these programs, and a single partition also keeps the output
  # independent of how the work is divided. A shipped program says it is
  # one with the target property CALC_SHIPPED. Test code, which no shipped
  # program links (the target property CALC_TEST_CODE), compiles to ordinary
  # objects only.
  target_compile_options(calc_options INTERFACE
    $<$<NOT:$<BOOL:$<TARGET_PROPERTY:CALC_TEST_CODE>>>:-flto;-ffat-lto-objects>)
  target_link_options(calc_options INTERFACE
    $<IF:$<BOOL:$<TARGET_PROPERTY:CALC_SHIPPED>>,-flto,-fno-lto>)
  target_link_options(calc_program_runtime INTERFACE -flto-partition=none
                      -ffunction-sections -fdata-sections)
endif()

if(CALC_SANITIZE)
  target_compile_options(calc_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(calc_options INTERFACE -fsanitize=address,undefined)
endif()

if(CALC_FUZZ)
  # Coverage feedback from every library the fuzz target reaches.
  target_compile_options(calc_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
