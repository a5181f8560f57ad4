// Texts of up to seven bytes (a field's text, a figure) handled as one word:
// gathered without reading past their end and stored at once, so that what
// is read back soon after is read from a single store. A text stored a byte
// or two at a time and then loaded as a word waits for the stores to reach
// the cache first, which a roster's rows meet at every field they load.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace shell {

static_assert(std::endian::native == std::endian::little, "a word's first byte is its lowest");

inline constexpr std::size_t kShortText = 7;

// The `size` (at most kShortText) bytes at `from` as a word, first byte
// lowest; the bytes above them are 0, a NUL after the text among them.
inline std::uint64_t ShortTextWord(const char* from, std::size_t size) {
  const auto load = [from]<typename Word>(Word, std::size_t at) -> std::uint64_t {
    Word word;
    std::memcpy(&word, from + at, sizeof word);
    return word;
  };
  // Two loads that overlap: their common bytes are the same.
  if (size >= 4) {
    return load(std::uint32_t{}, 0) | load(std::uint32_t{}, size - 4) << (8 * (size - 4));
  }
  if (size >= 2) {
    return load(std::uint16_t{}, 0) | load(std::uint16_t{}, size - 2) << (8 * (size - 2));
  }
  return size == 1 ? static_cast<unsigned char>(from[0]) : 0;
}

// Stores the word's eight bytes at `to`, which has room for them.
inline void StoreWord(char* to, std::uint64_t word) {
  std::memcpy(to, &word, sizeof word);
}

}  // namespace shell
