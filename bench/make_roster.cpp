// Writes a generated roster (roster/tests/generated_roster.h) to a file, for
// the benchmark that times whole roster files:
//   make_roster heftrak|vorna ROWS FILE
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "roster/tests/generated_roster.h"

int main(int argc, char** argv) {
  using roster::generated::Program;
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_roster heftrak|vorna ROWS FILE\n");
    return 2;
  }
  const Program program =
      std::string_view(argv[1]) == "heftrak" ? Program::Heftrak : Program::Vorna;
  const long rows = std::strtol(argv[2], nullptr, 10);
  std::FILE* file = std::fopen(argv[3], "wb");
  if (file == nullptr) {
    std::perror(argv[3]);
    return 1;
  }
  std::string block(roster::generated::Header(program));
  bool ok = true;
  for (long row = 0; row < rows && ok; ++row) {
    roster::generated::AppendRow(program, static_cast<std::uint64_t>(row), block);
    if (block.size() >= (1u << 20) || row + 1 == rows) {
      ok = std::fwrite(block.data(), 1, block.size(), file) == block.size();
      block.clear();
    }
  }
  ok = std::fclose(file) == 0 && ok;
  if (!ok) {
    std::perror(argv[3]);
  }
  return ok ? 0 : 1;
}
