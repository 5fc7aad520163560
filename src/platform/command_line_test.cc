#include "platform/command_line.h"

#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

Args Split(const std::string& line) {
  std::vector<char> text(SplitTextSize(line.size()));
  std::vector<char*> args(SplitArgsSize(line.size()));
  int count = SplitCommandLine(line.c_str(), text.data(), args.data());
  return Args(args.begin(), args.begin() + count);
}

struct SplitCase {
  const char* line;
  Args args;
};

// The first word is the program's name and is never an argument.
const SplitCase kCases[] = {
    {"", {}},
    {"sawtally", {}},
    {"sawtally   ", {}},
    {"sawtally desk.csv", {"desk.csv"}},
    {"sawtally  \t a \t\t b  ", {"a", "b"}},
    {"\"C:\\Program Files\\sawtally.exe\" \"D:\\My Cuts\\desk.csv\"",
     {"D:\\My Cuts\\desk.csv"}},
    {"\"C:\\Program Files\\sawtally.exe\"", {}},
    {"sawtally D:\\My Cuts\\desk.csv", {"D:\\My", "Cuts\\desk.csv"}},
    {"sawtally \"two  spaces.csv\"", {"two  spaces.csv"}},
    {"sawtally \"\"", {""}},
    {"sawtally \"\" \"\"", {"", ""}},
    {"sawtally \"\"\"\"", {""}},
    {"sawtally a\"b c\"d", {"ab cd"}},
    {"sawtally \"a\"\"b\"", {"ab"}},
    {"sawtally \"open to the end", {"open to the end"}},
    {"sawtally a\\\\b\\c", {"a\\\\b\\c"}},
    {"sawtally a\\\"b", {"a\"b"}},
    {"sawtally a\\\\\"b c\"", {"a\\b c"}},
    {"sawtally a\\\\\\\"b", {"a\\\"b"}},
    {"sawtally \"D:\\Cuts\\\" x", {"D:\\Cuts\" x"}},
    {"sawtally \"D:\\Cuts\\\\\" x", {"D:\\Cuts\\", "x"}},
    {"sawtally *.csv ?.csv", {"*.csv", "?.csv"}},
    {"\"C:\\dir\\\"x y", {"x", "y"}},
    {"sawtally\tdesk.csv", {"desk.csv"}},
};

TEST(SplitCommandLine, FollowsTheWindowsRules) {
  for (const SplitCase& c : kCases)
    EXPECT_EQ(Split(c.line), c.args) << c.line;
}

// The sizes the header gives hold the worst lines: all separators, all
// empty quoted arguments, all one-byte arguments.
TEST(SplitCommandLine, SizesHoldEveryArgument) {
  EXPECT_EQ(Split("p a b c d e f").size(), 6u);
  EXPECT_EQ(Split("p \"\" \"\" \"\"").size(), 3u);
  std::string line = "p";
  for (int i = 0; i < 1000; ++i)
    line += " x";
  EXPECT_EQ(Split(line), Args(1000, "x"));
}

}  // namespace
