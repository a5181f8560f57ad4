#include "roster/core/csv.h"

#include <gtest/gtest.h>

namespace roster {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows CellsOf(const CsvTable& table) {
  Rows rows;
  for (const CsvRecord& record : table.records) {
    rows.push_back(record.cells);
  }
  return rows;
}

// The records read `block` bytes at a time.
Rows CellsInBlocks(std::string_view text, char separator, std::size_t block) {
  CsvReader reader(TextReader(text, block), separator);
  Rows rows;
  CsvRecord record;
  while (reader.Next(record)) {
    rows.push_back(record.cells);
  }
  EXPECT_FALSE(reader.error());
  return rows;
}

TEST(Csv, ReadsWhatSpreadsheetsWrite) {
  const struct {
    const char* name;
    std::string_view text;
    Rows rows;
    char separator = ',';
  } cases[] = {
      {"LF", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
      {"CRLF, no final line end", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
      {"CR alone", "a,b\r1,2\r", {{"a", "b"}, {"1", "2"}}},
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "a,b\n",
       {{"a", "b"}}},
      {"comma and quote quoted", "\"Doe, J\",\"say \"\"hi\"\"\"\n", {{"Doe, J", "say \"hi\""}}},
      {"line breaks quoted", "\"two\r\nlines\",\"and\nmore\"\n", {{"two\r\nlines", "and\nmore"}}},
      {"blanks kept unquoted", " a , b\n", {{" a ", " b"}}},
      {"blanks around quotes", " \"a,b\" ,c\n", {{"a,b", "c"}}},
      {"empty cells", ",,\n\"\",x\n", {{"", "", ""}, {"", "x"}}},
      {"a quote inside a plain cell", "5'10\",x\n", {{"5'10\"", "x"}}},
      {"empty line", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
      {"semicolons", "a;\"b;c\";d,e\n", {{"a", "b;c", "d,e"}}, ';'},
      {"tabs, blanks kept", "a\t b \t\"c\td\"\n", {{"a", " b ", "c\td"}}, '\t'},
  };
  for (const auto& c : cases) {
    const CsvTable table = ParseCsv(c.text, c.separator);
    EXPECT_FALSE(table.error) << c.name;
    EXPECT_EQ(CellsOf(table), c.rows) << c.name;
    if (!c.text.starts_with(kUtf8ByteOrderMark)) {
      EXPECT_EQ(CellsInBlocks(c.text, c.separator, 1), c.rows) << c.name;
    }
  }
}

TEST(Csv, NamesTheLineOfAMalformedQuotedField) {
  const struct {
    std::string_view text;
    int line;
  } cases[] = {
      {"a,b\n1,\"open\n2,3\n", 2},                // never closed: the line it opened on
      {"a,b\n\"x\ny\"z,1\n", 3},                  // text after the closing quote
      {"a\r\n\"x\r\ny\r\nz\"\r\n\"w\"q\r\n", 5},  // CRLF inside counts one line each
      {"a\r\"1\r2\"\r\"3\"x", 4},
  };
  for (const auto& c : cases) {
    const CsvTable table = ParseCsv(c.text);
    ASSERT_TRUE(table.error) << c.text;
    EXPECT_EQ(table.error->line, c.line) << c.text;
  }
}

TEST(Csv, RecordsKnowTheLineTheyStartOn) {
  const CsvTable table = ParseCsv("h\n\"a\nb\"\nc\r\nd");
  std::vector<int> lines;
  for (const CsvRecord& record : table.records) {
    lines.push_back(record.line);
  }
  EXPECT_EQ(lines, (std::vector<int>{1, 2, 4, 5}));
}

TEST(Csv, WrittenRecordsReadBackAsTheyWere) {
  const std::vector<std::string_view> cells = {"plain",        "",       "a,b",   "say \"hi\"",
                                               "two\r\nlines", " blank", "70.25", "x\ry"};
  std::string out;
  AppendCsvRecord(out, cells);
  const std::string_view last[] = {"last"};
  AppendCsvRecord(out, last);
  EXPECT_TRUE(out.starts_with("plain,,\"a,b\",\"say \"\"hi\"\"\","));
  EXPECT_TRUE(out.ends_with("\"x\ry\"\r\nlast\r\n"));
  const CsvTable table = ParseCsv(out);
  ASSERT_FALSE(table.error);
  ASSERT_EQ(table.records.size(), 2u);
  EXPECT_EQ(table.records[0].cells, std::vector<std::string>(cells.begin(), cells.end()));
}

// What a spreadsheet would run as a formula is written as text; figures,
// and cells made text already, are written as they are.
TEST(Csv, FormulasAreWrittenAsText) {
  const struct {
    std::string_view cell;
    std::string_view written;
  } cases[] = {
      {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
      {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
      {"+1", "'+1"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"-", "'-"},
      {"-1+2", "'-1+2"},
      {"\t=1", "'\t=1"},
      {"\r=1", "\"'\r=1\""},
      {"-62", "-62"},
      {"-0.25", "-0.25"},
      {"'=1", "'=1"},
      {"a=b", "a=b"},
  };
  for (const auto& c : cases) {
    std::string out;
    const std::string_view cells[] = {c.cell};
    AppendCsvRecord(out, cells);
    EXPECT_EQ(out, std::string(c.written) + "\r\n") << c.cell;
  }
}

}  // namespace
}  // namespace roster
