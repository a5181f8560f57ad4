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
  target_link_options(calc_options INTERFACE -static)
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
