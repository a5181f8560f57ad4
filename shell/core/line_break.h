// Where a text breaks into rows, for everything the programs wrap: a long
// name on the printed report, a long line in a dialog. A row ends after a
// blank or a hyphen; a word longer than a row is cut where the row is full.
// Either way no row starts with punctuation alone (the "." after an empty
// middle initial, the ")" of a name in brackets): it stays with the word
// before it, and a UTF-8 character is never cut in two.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// Where a row of `text` that may hold its first `fitting` bytes ends: after
// the last blank or hyphen within them, or, in a word longer than a row,
// inside it. Always at least 1 for a text that is not empty.
std::size_t RowBreak(std::string_view text, std::size_t fitting);

// Whether a row fits its room.
using RowFits = std::function<bool(std::string_view row)>;

// `text` in rows that each fit (a row of one character excepted), blanks
// trimmed at the breaks; a line end starts a new row. An empty text is one
// empty row.
std::vector<std::string> WrapRows(std::string_view text, const RowFits& fits);

}  // namespace shell
