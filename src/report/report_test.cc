#include "report/report.h"

#include <string>

#include <gtest/gtest.h>

#include "platform/path.h"
#include "test_support.h"

namespace {

const char kTableInput[] =
    "Components\n"
    "Part #,Quantity,Description,Length(L),Width(W),Thickness(T),Material,\n"
    "1,2,Side,600,300,18,Plywood,\n"
    "2,1,Top,600,250,18,Plywood,\n"
    "3,4,Shelf,450,200,18,Plywood,\n"
    "\n";

// Where the rows of the three-row example start in its report.
constexpr size_t kTableRowsOffset = 338;

TEST(Report, ThreeRowExampleMatchesItsFileByteForByte) {
  std::string expected = ReadSourceFile("tests/fixtures/table_MATCHED.txt");
  ASSERT_EQ(expected.size(), 545u);
  for (const std::string& input : {std::string(kTableInput), Crlf(kTableInput)}) {
    PipelineResult run = RunPipeline(input, NativePath("C:|Cuts|Table_MATCHED.txt"));
    ASSERT_EQ(run.result, kCutListRead);
    EXPECT_TRUE(run.matched);
    EXPECT_EQ(run.report, expected);
  }
}

TEST(Report, NoRowsGivesTitleFileLineAndHeaderOnly) {
  std::string expected =
      ReadSourceFile("tests/fixtures/table_MATCHED.txt").substr(0, kTableRowsOffset);
  PipelineResult run =
      RunPipeline("Components\nnames\n\n", NativePath("C:|Cuts|Table_MATCHED.txt"));
  ASSERT_EQ(run.result, kCutListRead);
  EXPECT_FALSE(run.matched);
  EXPECT_EQ(run.report, expected);
  EXPECT_EQ(run.report.size(), 321u + 17u);
}

TEST(Report, UnmatchedRowsAreWrittenWithBlankLabels) {
  PipelineResult run = RunPipeline(
      "Components\nnames\n1,2,Side,600,300,18,Plywood,\n3,4,Shelf,450,200,18,\n\n",
      "Table_MATCHED.txt");
  ASSERT_EQ(run.result, kCutListRead);
  EXPECT_FALSE(run.matched);
  EXPECT_EQ(run.report.substr(kTableRowsOffset),
            "1     2       Side                    600              300        18\r"
            "3     4       Shelf                   450              200        18\r");
}

// Labels go into columns 49 and 52 whatever the Length shows there: a Length
// of 15 bytes or more loses its 12th and 15th bytes in the report.
TEST(Report, LabelsReplaceBytesOfALongLength) {
  PipelineResult run = RunPipeline(
      "Components\nnames\n"
      "1,1,Rail,ABCDEFGHIJKLMNOPQ,30,18,\n"
      "2,1,Stile,ABCDEFGHIJKLMNOPQ,40,18,\n"
      "3,1,Slat,ABCDEFGHIJKLMNOPQ,40,18,\n"
      "4,1,Bar,abcdefghijklmnopq,50,18,\n\n",
      "Table_MATCHED.txt");
  ASSERT_EQ(run.result, kCutListRead);
  EXPECT_EQ(run.report.substr(kTableRowsOffset),
            "1     1       Rail                    ABCDEFGHIJKAMN PQ30         18\r"
            "2     1       Stile                   ABCDEFGHIJKAMNBPQ40         18\r"
            "3     1       Slat                    ABCDEFGHIJKAMNBPQ40         18\r"
            "4     1       Bar                     abcdefghijk mn pq50         18\r");
}

struct NameCase {
  const char* outputPath;  // '|' stands for this platform's separator
  const char* fileLine;
};

TEST(Report, FileLineNamesTheReportByItsLastPathComponent) {
  const NameCase cases[] = {
      {"C:|Cuts|Table_MATCHED.txt", "FILE: Table_MATCHED.txt\r\r\n\r\n"},
      {"Table_MATCHED.txt", "FILE: Table_MATCHED.txt\r\r\n\r\n"},
      {"|", "FILE: \r\r\n\r\n"},
      {"_MATCHED.txt", "FILE: _MATCHED.txt\r\r\n\r\n"},
      {"|home|ann|My Cuts|desk v2_MATCHED.txt", "FILE: desk v2_MATCHED.txt\r\r\n\r\n"},
  };
  for (const NameCase& c : cases) {
    PipelineResult run = RunPipeline("Components\n", NativePath(c.outputPath));
    EXPECT_EQ(run.report.substr(233, run.report.size() - 233 - 77), c.fileLine)
        << c.outputPath;
  }
  // The other platform's separator is an ordinary byte of the name.
  const char* foreign = kPathSeparator == '/' ? "C:\\Cuts\\T_MATCHED.txt"
                                              : "/home/ann/T_MATCHED.txt";
  PipelineResult run = RunPipeline("Components\n", foreign);
  EXPECT_EQ(run.report.substr(233, run.report.size() - 233 - 77),
            std::string("FILE: ") + foreign + "\r\r\n\r\n");
}

}  // namespace
