#include "cutlist/format_line.h"

#include <string.h>

#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

#include "cutlist/dimension_table.h"

namespace {

std::string Sp(int n) { return std::string(n, ' '); }

struct FormatCase {
  const char* name;
  std::string row;  // as the reader delivers it, LF included
  std::string line;
  std::string length;
  std::string width;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

// Expected lines are spelled out field by field with their padding, so each
// column can be checked by adding up: 6 + 8 + 23 + 1 + 17 + 11 = 66.
const FormatCase kCases[] = {
    {"plain_metric_row", "1,2,Side,600,300,18,Plywood,\n",
     "1" + Sp(5) + "2" + Sp(7) + "Side" + Sp(19) + " " + "600" + Sp(14) + "300" +
         Sp(8) + "18",
     "600", "300"},
    {"exported_inch_row",
     "C-001,2,Side,23 1/2\",11 1/4\",0 3/4\",1.47,2.94,3.92,Walnut,\n",
     "C-001" + Sp(1) + "2" + Sp(7) + "Side" + Sp(19) + " " + "23 1/2\"" + Sp(10) +
         "11 1/4\"" + Sp(4) + "3/4\"",
     "23 1/2\"", "11 1/4\""},
    {"approximate_values_get_a_tilde",
     "C-002,1,Top, 23 1/2\", 11 1/4\", 0 3/4\",1.47,1.47,1.96,Walnut,\n",
     "C-002" + Sp(1) + "1" + Sp(7) + "Top" + Sp(20) + " " + "~23 1/2\"" + Sp(9) +
         "~11 1/4\"" + Sp(3) + "~0 3/4\"",
     "~23 1/2\"", "~11 1/4\""},
    {"dimension_rule_drops_two_bytes_after_a_zero", "3,4,Rail,0.75,0,00,\n",
     "3" + Sp(5) + "4" + Sp(7) + "Rail" + Sp(19) + " " + "75" + Sp(15) + Sp(11),
     "75", ""},
    {"long_fields_are_cut_to_their_columns",
     "ABCDEFGHI,123456789,Description longer than 23,1,2,3,\n",
     "ABCDEF" "12345678" "Description longer than" " " "1" + Sp(16) + "2" +
         Sp(10) + "3",
     "1", "2"},
    {"long_dimensions_are_kept_whole_for_matching",
     "9,1,Stile,1234567890123456789,abcdefghijklmno,1,\n",
     "9" + Sp(5) + "1" + Sp(7) + "Stile" + Sp(18) + " " + "12345678901234567" +
         "abcdefghijk" + "1",
     "1234567890123456789", "abcdefghijklmno"},
    {"dimension_longer_than_19_bytes_is_not_cut",
     "9,1,Stile,123456789012345678901234,5,1,\n",
     "9" + Sp(5) + "1" + Sp(7) + "Stile" + Sp(18) + " " + "12345678901234567" +
         "5" + Sp(10) + "1",
     "123456789012345678901234", "5"},
    {"six_empty_fields", ",,,,,,\n", Sp(66), "", ""},
    {"empty_description_keeps_the_columns", "1,2,,600,300,18,\n",
     "1" + Sp(5) + "2" + Sp(7) + Sp(23) + " " + "600" + Sp(14) + "300" + Sp(8) +
         "18",
     "600", "300"},
    {"fewer_than_six_commas_leave_fields_empty", "1,2,Side,600\n",
     "1" + Sp(5) + "2" + Sp(7) + "Side" + Sp(19) + " " + "600" + Sp(14) + Sp(11),
     "600", ""},
    {"five_commas_take_thick_up_to_the_line_end", "1,2,Side,600,300,18\n",
     "1" + Sp(5) + "2" + Sp(7) + "Side" + Sp(19) + " " + "600" + Sp(14) + "300" +
         Sp(8) + "18",
     "600", "300"},
    {"no_comma_at_all", "Cut List Summary\n",
     "Cut Li" + Sp(8) + Sp(23) + " " + Sp(17) + Sp(11), "", ""},
    {"row_without_its_lf", "1,2,Side,600,300,18,Plywood,",
     "1" + Sp(5) + "2" + Sp(7) + "Side" + Sp(19) + " " + "600" + Sp(14) + "300" +
         Sp(8) + "18",
     "600", "300"},
    {"quotes_and_spaces_are_ordinary_bytes",
     "\"7\", 2 ,\"Shelf, adj\",600,300,18,\n",
     "\"7\"" + Sp(3) + " 2 " + Sp(5) + "\"Shelf" + Sp(17) + " " + "~adj\"" +
         Sp(12) + "600" + Sp(8) + "300",
     "~adj\"", "600"},
};

class FormatLineTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatLineTest, PlacesEachFieldInItsColumns) {
  const FormatCase& c = GetParam();
  char line[kLineBufferSize];
  char length[kDimensionSize];
  char width[kDimensionSize];
  ASSERT_LT(c.row.size(), sizeof line);
  memcpy(line, c.row.c_str(), c.row.size() + 1);
  FormatLine(line, length, width);
  EXPECT_EQ(std::string(line), c.line);
  EXPECT_EQ(std::string(length), c.length);
  EXPECT_EQ(std::string(width), c.width);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatLineTest, testing::ValuesIn(kCases), CaseName());

// Thick is never cut to a column, only to keep the line within its row slot.
TEST(FormatLineThick, LongThickStopsAtTheRowSlot) {
  for (int size : {0, 1, 31, 32, 33, 100, 240}) {
    std::string row = "1,2,Side,600,300," + std::string(size, 't') + ",tail,\n";
    char line[kLineBufferSize];
    char length[kDimensionSize];
    char width[kDimensionSize];
    memcpy(line, row.c_str(), row.size() + 1);
    FormatLine(line, length, width);
    int kept = size < 32 ? size : 32;
    EXPECT_EQ(std::string(line),
              "1" + Sp(5) + "2" + Sp(7) + "Side" + Sp(19) + " " + "600" +
                  Sp(14) + "300" + Sp(8) + std::string(kept, 't'))
        << "Thick of " << size << " bytes";
    EXPECT_LE(strlen(line), static_cast<size_t>(kMaxFormattedLine));
  }
}

// The fields a row carries after its sixth comma never reach the line.
TEST(FormatLineTail, TextAfterTheSixthCommaIsDropped) {
  const char* rows[] = {"1,2,Side,600,300,18,\n", "1,2,Side,600,300,18,Plywood,,x\n",
                        "1,2,Side,600,300,18,1.47,2.94,3.92,Walnut,\n"};
  std::string first;
  for (const char* row : rows) {
    char line[kLineBufferSize];
    char length[kDimensionSize];
    char width[kDimensionSize];
    strcpy(line, row);
    FormatLine(line, length, width);
    if (first.empty())
      first = line;
    EXPECT_EQ(std::string(line), first) << row;
  }
}

// The longest line the reader delivers fills the work buffer without overrun:
// a Length of 290 bytes is kept whole and shown cut.
TEST(FormatLineLimits, LongestLineIsHandledWithinItsBuffers) {
  std::string row = "1,2,3," + std::string(291, 'L') + ",,";
  ASSERT_EQ(row.size(), static_cast<size_t>(kMaxLineBytes));
  char line[kLineBufferSize];
  char length[kDimensionSize];
  char width[kDimensionSize];
  memcpy(line, row.c_str(), row.size() + 1);
  FormatLine(line, length, width);
  EXPECT_EQ(std::string(length), std::string(291, 'L'));
  EXPECT_EQ(std::string(width), "");
  EXPECT_EQ(std::string(line), "1" + Sp(5) + "2" + Sp(7) + "3" + Sp(22) + " " +
                                   std::string(17, 'L') + Sp(11));
}

}  // namespace
