#include "matcher/matcher.h"

#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using Values = std::vector<std::string>;

struct Labelled {
  bool found;
  std::string lengthLabels;
  std::string widthLabels;
};

// Fills a fresh table with the given lengths and widths and labels it.
Labelled Match(const Values& lengths, const Values& widths,
               DimensionTable* table) {
  InitDimensionTable(table);
  table->rowCount = static_cast<int>(lengths.size());
  for (size_t row = 0; row < lengths.size(); ++row) {
    strcpy(table->lengths[row], lengths[row].c_str());
    strcpy(table->widths[row], widths[row].c_str());
  }
  bool found = FindMatches(table->lengths, table->lengthLabels, table->widths,
                           table->widthLabels, table->rowCount);
  return {found, std::string(table->lengthLabels, table->rowCount),
          std::string(table->widthLabels, table->rowCount)};
}

Labelled Match(const Values& lengths, const Values& widths) {
  auto table = std::make_unique<DimensionTable>();
  return Match(lengths, widths, table.get());
}

TEST(Labels, AlphabetLeavesOutLookalikesAndPutsEBeforeD) {
  EXPECT_STREQ(labels, "ABCDEFGHJKLMNPQRSTUVWXYZabcedfghjkmnpqrstuvwxyz23456789");
  EXPECT_EQ(strlen(labels), static_cast<size_t>(kMaxRows));
}

TEST(FindMatches, WorkedExampleOfSixRows) {
  Labelled result = Match({"24", "36", "18", "24", "12", "36"},
                          {"12", "12", "18", "6", "30", "30"});
  EXPECT_TRUE(result.found);
  EXPECT_EQ(result.lengthLabels, "ABCADB");
  EXPECT_EQ(result.widthLabels, "DDC EE");
}

struct MatchCase {
  const char* name;
  Values lengths;
  Values widths;
  bool found;
  std::string lengthLabels;
  std::string widthLabels;
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }

const MatchCase kCases[] = {
    {"no_repeated_value", {"1", "2"}, {"3", "4"}, false, "  ", "  "},
    {"one_square_row", {"5"}, {"5"}, true, "A", "A"},
    {"one_oblong_row", {"5"}, {"6"}, false, " ", " "},
    {"square_among_others", {"9", "2"}, {"9", "3"}, true, "A ", "A "},
    {"three_equal_lengths_share_one_label", {"24", "24", "24"}, {"1", "2", "3"},
     true, "AAA", "   "},
    {"length_equal_to_two_widths", {"12", "5"}, {"12", "12"}, true, "A ", "AA"},
    {"widths_only_value_comes_after_every_length",
     {"1", "5", "3", "5"}, {"7", "2", "7", "4"}, true, " A A", "B B "},
    {"width_takes_the_label_of_a_later_length",
     {"1", "2", "3"}, {"3", "9", "8"}, true, "  A", "A  "},
    {"empty_values_are_equal", {"", "x"}, {"y", ""}, true, "A ", " A"},
    {"any_differing_byte_makes_another_value",
     {"24", "24.0", "24 ", "24\"", "a", "A"},
     {" 24", "~24", "b", "B", "\xE9", "\xE9"}, true, "      ", "    AA"},
    {"labels_follow_first_rows_of_lengths_then_widths",
     {"3", "1", "3", "1", "6"}, {"8", "8", "2", "2", "6"}, true, "ABABC", "DDEEC"},
};

class FindMatchesCases : public testing::TestWithParam<MatchCase> {};

TEST_P(FindMatchesCases, LabelsEveryRepeatedValueOnce) {
  const MatchCase& c = GetParam();
  Labelled result = Match(c.lengths, c.widths);
  EXPECT_EQ(result.found, c.found);
  EXPECT_EQ(result.lengthLabels, c.lengthLabels);
  EXPECT_EQ(result.widthLabels, c.widthLabels);
}

INSTANTIATE_TEST_SUITE_P(Tables, FindMatchesCases, testing::ValuesIn(kCases), CaseName());

TEST(FindMatches, FiftyFiveDoubledValuesUseTheWholeAlphabet) {
  Values lengths(kMaxRows), widths(kMaxRows);
  for (int k = 0; k < kMaxRows; ++k) {
    lengths[k] = std::to_string(100 + k) + " 1/2\"";
    widths[kMaxRows - 1 - k] = lengths[k];
  }
  Labelled result = Match(lengths, widths);
  EXPECT_TRUE(result.found);
  EXPECT_EQ(result.lengthLabels,
            "ABCDEFGHJKLMNPQRSTUVWXYZabcedfghjkmnpqrstuvwxyz23456789");
  EXPECT_EQ(result.widthLabels,
            "98765432zyxwvutsrqpnmkjhgfdecbaZYXWVUTSRQPNMLKJHGFEDCBA");
}

TEST(FindMatches, OneValueEverywhereIsOneLabel) {
  Labelled result = Match(Values(kMaxRows, "23 1/2\""), Values(kMaxRows, "23 1/2\""));
  EXPECT_TRUE(result.found);
  EXPECT_EQ(result.lengthLabels, std::string(kMaxRows, 'A'));
  EXPECT_EQ(result.widthLabels, std::string(kMaxRows, 'A'));
}

TEST(FindMatches, SecondCallChangesNothing) {
  auto table = std::make_unique<DimensionTable>();
  Match({"24", "36", "18", "24", "12", "36"}, {"12", "12", "18", "6", "30", "30"},
        table.get());
  auto before = std::make_unique<DimensionTable>(*table);
  EXPECT_TRUE(FindMatches(table->lengths, table->lengthLabels, table->widths,
                          table->widthLabels, table->rowCount));
  EXPECT_EQ(memcmp(before.get(), table.get(), sizeof(DimensionTable)), 0);
}

TEST(FindMatches, NoRowsReadsNothing) {
  for (int rowCount : {0, -1}) {
    EXPECT_FALSE(FindMatches(nullptr, nullptr, nullptr, nullptr, rowCount));
  }
}

TEST(FindMatches, SlotsBeyondTheRowCountAreUntouched) {
  auto table = std::make_unique<DimensionTable>();
  InitDimensionTable(table.get());
  for (int row = 0; row < kMaxRows; ++row) {
    strcpy(table->lengths[row], "600");
    strcpy(table->widths[row], "600");
  }
  table->rowCount = 3;
  EXPECT_TRUE(FindMatches(table->lengths, table->lengthLabels, table->widths,
                          table->widthLabels, table->rowCount));
  EXPECT_EQ(std::string(table->lengthLabels, kMaxRows),
            "AAA" + std::string(kMaxRows - 3, ' '));
  EXPECT_EQ(std::string(table->widthLabels, kMaxRows),
            "AAA" + std::string(kMaxRows - 3, ' '));
}

}  // namespace
