// Linked into the shipped programs only (see calc_program_runtime in
// compile_options.cmake). The programs are compiled without exceptions and
// catch none, so every failure the C++ library reports by throwing (memory
// exhausted, a length beyond a container's limit) could only end the process
// through the terminate handler. These definitions end it at once instead,
// which keeps the exception machinery out of the programs: the unwinder, the
// terminate handler that prints the exception's demangled name, and the POSIX
// thread layer they both use. The GoogleTest programs link the standard ones.
#include <cstdlib>
#include <new>
#include <stdexcept>

// The replaceable global allocation functions: abort where the standard ones
// would throw std::bad_alloc.
void* operator new(std::size_t size) {
  if (void* memory = std::malloc(size != 0 ? size : 1)) {
    return memory;
  }
  std::abort();
}
void* operator new[](std::size_t size) {
  return ::operator new(size);
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete[](void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}

// The library's throw helpers, as its headers declare them.
namespace std {
void __throw_bad_exception() {
  std::abort();
}
void __throw_bad_alloc() {
  std::abort();
}
void __throw_bad_array_new_length() {
  std::abort();
}
void __throw_bad_cast() {
  std::abort();
}
void __throw_bad_typeid() {
  std::abort();
}
void __throw_bad_function_call() {
  std::abort();
}
void __throw_logic_error(const char*) {
  std::abort();
}
void __throw_domain_error(const char*) {
  std::abort();
}
void __throw_invalid_argument(const char*) {
  std::abort();
}
void __throw_length_error(const char*) {
  std::abort();
}
void __throw_out_of_range(const char*) {
  std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
  std::abort();
}
void __throw_runtime_error(const char*) {
  std::abort();
}
void __throw_range_error(const char*) {
  std::abort();
}
void __throw_overflow_error(const char*) {
  std::abort();
}
void __throw_underflow_error(const char*) {
  std::abort();
}
}  // namespace std
