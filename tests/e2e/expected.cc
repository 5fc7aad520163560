#include "expected.h"

#include <gtest/gtest.h>

#include "test_support.h"

const std::string kBanner =
    "\r\n"
    "*****************  SAWTALLY - REV. 2.0 - 64 BITS  *****************\r\n"
    "                   Made for woodworkers by the Sawtally developers\r\n\n"
    "Scans text files from SketchUp Cutlist and identifies equal dimensions\r\n"
    "**********************************************************************\r\n\n";

const std::string kUsage =
    "'Sawtally' scans an ASCII file made by SketchUp's 'Cut List 4.1' Extension.\r\n"
    "It LABELS ALL LENGTH AND WIDTH DIMENSIONS THAT MATCH.\r\n\n"
    "The labels make it easy to plan cuts and use the same setup for all pieces\r\n"
    "with the same dimension.\r\n\n"
    "HOW TO USE SAWTALLY: \r\n"
    "  1. Open the Cut List v4.1 extension from SketchUp.\r\n"
    "  2. Ensure that the 'CSV' box is checked at 'Cutlist Output:'\r\n"
    "  3. Run Cut List. A window will open and announce the name of the CSV\r\n"
    "     file created in the same directory as the Cut List file.\r\n"
    "  4. Drag the new CSV filename and drop it on top of this file's icon.\r\n\n"
    "Sawtally will automatically generate a new file with a similar name in\r\n"
    "the same folder that includes ALPHANUMERIC LABELS to identify each \r\n"
    "matching dimension.\r\n\n";

const std::string kDone =
    "\n\r*******************************  DONE  *******************************\r\n\n";

const std::string kNoMatch =
    "**********************************************************************\r\n"
    "*******************  NO MATCHING DIMENSIONS FOUND  *******************\r\n"
    "**********************************************************************\r\n\n";

std::string ShownNames(const std::string& input, const std::string& output) {
  return "INPUT FILE:\r\n" + input + "\r\n\nOUTPUT FILE:\r\n" + output + "\r\n\n";
}

std::string FileError(const char* message, const std::string& path) {
  return std::string("\r\n") + message + " \"" + path + "\"\r\n\n";
}

void ExpectCleanEnd(const Outcome& outcome) {
  EXPECT_EQ(outcome.stdoutText, "");
  EXPECT_EQ(outcome.stderrText, "");
  EXPECT_TRUE(outcome.modeRestored);
  EXPECT_TRUE(outcome.keyModeSeen);
  EXPECT_EQ(outcome.leftover, "");
}

Session At(const TempDir& dir, const std::vector<std::string>& args) {
  Session session;
  session.args = args;
  session.dir = dir.path();
  return session;
}

std::string Example() { return ReadSourceFile("examples/bookcase.csv"); }
std::string ExampleReport() {
  return ReadSourceFile("tests/fixtures/bookcase_MATCHED.txt");
}

const char kUnmatched[] =
    "Components\r\nPart #,Quantity,Description,Length(L),Width(W),Thickness(T),\r\n"
    "C-001,1,Top,30\",12\",0 3/4\",Oak,\r\nC-002,1,Shelf,28\",10\",0 3/4\",Oak,\r\n\r\n";
const char kUnmatchedReport[] =
    "**************************************************************************\r\r\n"
    "**************  MATCHED AND CROSS-LABELED CUTLIST DIMENSIONS  ************\r\r\n"
    "**************************************************************************\r\r\n\r\n"
    "FILE: table_MATCHED.txt\r\r\n\r\n"
    "Part# Quantity Description            Length(L)        Width(W)   Thick(T)\r\r\n"
    "C-001 1       Top                     30\"              12\"        3/4\"\r"
    "C-002 1       Shelf                   28\"              10\"        3/4\"\r";

std::string CutListOf(int rows) {
  std::string text = "Components\r\nPart #,Quantity,Description,Length(L),Width(W),\r\n";
  for (int i = 0; i < rows; ++i)
    text += "C-" + std::to_string(100 + i) + ",1,Slat," + std::to_string(1000 + i) +
            "mm," + std::to_string(500 + i) + "mm,18mm,Pine,\r\n";
  return text + "\r\n";
}

