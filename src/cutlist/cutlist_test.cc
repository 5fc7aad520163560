#include "cutlist/cutlist.h"

#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#ifdef _WIN32
#include <io.h>
#endif

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using Dimensions = std::vector<std::pair<std::string, std::string>>;

// The length and width of every stored row, in table order.
Dimensions StoredDimensions(const DimensionTable& table) {
  Dimensions dimensions;
  for (int row = 0; row < table.rowCount; ++row)
    dimensions.emplace_back(table.lengths[row], table.widths[row]);
  return dimensions;
}

// A data row as the exporter writes it, with its trailing comma.
std::string Row(const std::string& length, const std::string& width) {
  return "C-001,1,Part," + length + "," + width + ",0 3/4\",Walnut,\n";
}

// A section: heading, column names, rows, closing blank line.
std::string Section(const char* heading, const std::vector<std::string>& rows) {
  std::string text = std::string(heading) +
                     "\nPart #,Quantity,Description,Length(L),Width(W),"
                     "Thickness(T),Material,\n";
  for (const std::string& row : rows)
    text += row;
  return text + "\n";
}

TEST(ReadCutList, ReadsBothSectionsOfAnExport) {
  auto table = std::make_unique<DimensionTable>();
  ASSERT_EQ(ReadTable(ReadSourceFile("examples/bookcase.csv"), table.get()), kCutListRead);
  EXPECT_EQ(StoredDimensions(*table),
            (Dimensions{{"35 1/4\"", "11 1/4\""},
                        {"30\"", "11 1/4\""},
                        {"28 1/2\"", "11 1/4\""},
                        {"28 1/2\"", "~10 7/8\""},
                        {"28 1/2\"", "3 1/2\""},
                        {"35 1/4\"", "1 1/2\""},
                        {"27\"", "1 1/2\""},
                        {"35 1/4\"", "28 1/2\""},
                        {"11 1/4\"", "10 7/8\""}}));
  EXPECT_EQ(std::string(table->rowText[0]),
            "C-001 2       Side                    35 1/4\"          11 1/4\"    "
            "3/4\"\r");
  EXPECT_EQ(std::string(table->rowText[8]),
            "S-002 2       Drawer bottom           11 1/4\"          10 7/8\"    "
            "1/4\"\r");
  for (int row = 0; row < kMaxRows; ++row) {
    EXPECT_EQ(table->lengthLabels[row], ' ');
    EXPECT_EQ(table->widthLabels[row], ' ');
  }
}

TEST(ReadCutList, CrLfAndLfLinesGiveTheSameTable) {
  std::string crlf = ReadSourceFile("examples/bookcase.csv");
  std::string lf;
  for (char c : crlf) {
    if (c != '\r')
      lf += c;
  }
  auto fromCrlf = std::make_unique<DimensionTable>();
  auto fromLf = std::make_unique<DimensionTable>();
  memset(fromCrlf.get(), 0, sizeof(DimensionTable));
  memset(fromLf.get(), 0, sizeof(DimensionTable));
  ASSERT_EQ(ReadTable(crlf, fromCrlf.get()), kCutListRead);
  ASSERT_EQ(ReadTable(lf, fromLf.get()), kCutListRead);
  EXPECT_EQ(fromCrlf->rowCount, 9);
  EXPECT_EQ(memcmp(fromCrlf.get(), fromLf.get(), sizeof(DimensionTable)), 0);
}

struct StructureCase {
  const char* name;
  std::string input;
  CutListResult result;
  Dimensions rows;
};

void PrintTo(const StructureCase& c, std::ostream* os) { *os << c.name; }

const std::string kA = Row("600", "300");
const std::string kB = Row("450", "200");
const std::string kC = Row("900", "400");

const StructureCase kStructureCases[] = {
    {"second_section_after_summaries",
     Section("Components", {kA}) + "Summary\n1.00,\n\n" + Section("Sheet Goods", {kB}),
     kCutListRead, {{"600", "300"}, {"450", "200"}}},
    {"either_word_opens_either_section",
     Section("Sheet Goods", {kA}) + Section("Components", {kB}), kCutListRead,
     {{"600", "300"}, {"450", "200"}}},
    {"heading_word_anywhere_in_a_line",
     "Model: Sheet Goods cabinet\nnot a row\n" + kA + "\n", kCutListRead,
     {{"600", "300"}}},
    {"other_letter_case_is_no_heading",
     "components\nSHEET GOODS\n" + Section("Components", {kA}), kCutListRead,
     {{"600", "300"}}},
    {"line_with_both_words_is_one_heading",
     "Components and Sheet Goods\nnames\n" + kA + "\n" + Section("Components", {kB}),
     kCutListRead, {{"600", "300"}, {"450", "200"}}},
    {"line_after_heading_is_dropped_even_if_a_row",
     "Components\n" + kA + kB + "\n", kCutListRead, {{"450", "200"}}},
    {"blank_line_after_heading_is_dropped",
     "Components\n\n" + kA + "\n", kCutListRead, {{"600", "300"}}},
    {"empty_first_section_then_second_from_row_0",
     Section("Components", {}) + Section("Sheet Goods", {kB}), kCutListRead,
     {{"450", "200"}}},
    {"no_second_heading", Section("Components", {kA, kB}) + "Totals\n",
     kCutListRead, {{"600", "300"}, {"450", "200"}}},
    {"third_section_is_never_read",
     Section("Components", {kA}) + Section("Sheet Goods", {kB}) +
         Section("Components", {kC}),
     kCutListRead, {{"600", "300"}, {"450", "200"}}},
    {"heading_words_inside_a_section_are_rows",
     Section("Components", {kA, "Sheet Goods,1,x,1,2,3,\n"}), kCutListRead,
     {{"600", "300"}, {"1", "2"}}},
    {"line_of_spaces_is_a_row", Section("Components", {kA, "   \n", kB}),
     kCutListRead, {{"600", "300"}, {"", ""}, {"450", "200"}}},
    {"end_after_heading", "Components", kCutListRead, {}},
    {"end_after_dropped_line", "Components\nnames\n", kCutListRead, {}},
    {"end_inside_first_section", "Components\nnames\n" + kA + kB, kCutListRead,
     {{"600", "300"}, {"450", "200"}}},
    {"end_inside_second_section",
     Section("Components", {kA}) + "Sheet Goods\nnames\n" + kB, kCutListRead,
     {{"600", "300"}, {"450", "200"}}},
    {"last_row_without_lf", "Components\nnames\n1,1,x,600,300,18,", kCutListRead,
     {{"600", "300"}}},
    {"no_heading_at_all", "Part,Qty\n1,2,Side,600,300,18,\n", kCutListNoSection, {}},
    {"empty_input", "", kCutListNoSection, {}},
    {"ctrl_z_before_any_heading", "title\n\x1a" + Section("Components", {kA}),
     kCutListNoSection, {}},
    {"ctrl_z_in_a_row_ends_the_input",
     "Components\nnames\n" + kA + "C-002,1,Top,450,2\x1a" "00,18,\n" + kC + "\n",
     kCutListRead, {{"600", "300"}, {"450", "2"}}},
    {"line_of_299_bytes_stays_one_row",
     "Components\nnames\n1,1,x,600,300," + std::string(299 - 14, 't') + "\n" + kB +
         "\n",
     kCutListRead, {{"600", "300"}, {"450", "200"}}},
    {"longer_line_stays_one_row",
     "Components\nnames\n1,1,x,600,300," + std::string(2000, 't') + "\n" + kB + "\n",
     kCutListRead, {{"600", "300"}, {"450", "200"}}},
};

class ReadCutListStructure : public testing::TestWithParam<StructureCase> {};

TEST_P(ReadCutListStructure, StoresTheRowsOfTheFirstTwoSections) {
  const StructureCase& c = GetParam();
  for (const std::string& input : {c.input, Crlf(c.input)}) {
    auto table = std::make_unique<DimensionTable>();
    EXPECT_EQ(ReadTable(input, table.get()), c.result);
    EXPECT_EQ(StoredDimensions(*table), c.rows);
  }
}

INSTANTIATE_TEST_SUITE_P(Inputs, ReadCutListStructure,
                         testing::ValuesIn(kStructureCases), CaseName());

std::vector<std::string> Rows(int count) {
  std::vector<std::string> rows;
  for (int i = 0; i < count; ++i)
    rows.push_back(Row(std::to_string(100 + i), "12"));
  return rows;
}

struct LimitCase {
  const char* name;
  int first;   // rows in the first section
  int second;  // rows in the second section
  CutListResult result;
};

void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

const LimitCase kLimitCases[] = {
    {"55_in_one_section", 55, 0, kCutListRead},
    {"55_across_both", 30, 25, kCutListRead},
    {"56th_in_first_section", 56, 0, kCutListTooManyRows},
    {"56th_in_second_section", 30, 26, kCutListTooManyRows},
    {"56th_opens_second_section", 55, 1, kCutListTooManyRows},
};

class ReadCutListLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(ReadCutListLimit, AcceptsAt55RowsAndStopsAtThe56th) {
  const LimitCase& c = GetParam();
  std::string input = Section("Components", Rows(c.first)) +
                      Section("Sheet Goods", Rows(c.second));
  auto table = std::make_unique<DimensionTable>();
  EXPECT_EQ(ReadTable(input, table.get()), c.result);
  EXPECT_EQ(table->rowCount, c.first + c.second < 55 ? c.first + c.second : 55);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReadCutListLimit, testing::ValuesIn(kLimitCases), CaseName());

// A stream on a descriptor open only for writing: every read fails.
FILE* UnreadableStream(const char* path) {
#ifdef _WIN32
  // msvcrt reports reading a "wb" stream as the end of the file; a stream
  // opened for reading on a write-only descriptor fails as a disk would.
  int fd = _open(path, _O_WRONLY | _O_CREAT | _O_BINARY, 0644);
  return fd >= 0 ? _fdopen(fd, "rb") : nullptr;
#else
  return fopen(path, "wb");
#endif
}

// A file that fails while being read is reported as such, not taken as a
// shorter cut list.
TEST(ReadCutList, ReadErrorIsReported) {
  const char* path = "read_error_probe.csv";
  FILE* unreadable = UnreadableStream(path);
  ASSERT_NE(unreadable, nullptr);
  auto reader = std::make_unique<TextReader>();
  OpenTextReader(reader.get(), unreadable);
  auto table = std::make_unique<DimensionTable>();
  InitDimensionTable(table.get());
  EXPECT_EQ(ReadCutList(reader.get(), table.get()), kCutListReadFailed);
  fclose(unreadable);
  remove(path);
}

}  // namespace
