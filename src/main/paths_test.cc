#include "main/paths.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/path.h"
#include "test_support.h"

namespace {

std::string Join(std::vector<std::string> args, bool* fits) {
  std::vector<char*> argv;
  for (std::string& arg : args)
    argv.push_back(&arg[0]);
  static char inputPath[kInputPathSize];
  *fits = JoinArguments(static_cast<int>(argv.size()), argv.data(), inputPath);
  return inputPath;
}

TEST(JoinArguments, RebuildsOnePathWithSingleSpaces) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"sawtally", "desk.csv"}, "desk.csv"},
      {{"sawtally", "D:\\My", "Cuts\\desk", "v2.csv"}, "D:\\My Cuts\\desk v2.csv"},
      {{"sawtally", "two  spaces.csv"}, "two  spaces.csv"},
      {{"sawtally", ""}, ""},
      {{"sawtally", "a.csv", "", "b.csv"}, "a.csv  b.csv"},
      {{"sawtally", "*.csv"}, "*.csv"},
  };
  for (const auto& c : cases) {
    bool fits = false;
    EXPECT_EQ(Join(c.first, &fits), c.second);
    EXPECT_TRUE(fits);
  }
}

// Compared with == so that a failure does not print 32 KiB of path.
TEST(JoinArguments, PathThatDoesNotFitIsCutAndRefused) {
  bool fits = false;
  std::string longest(kInputPathSize - 1, 'p');
  EXPECT_TRUE(Join({"sawtally", longest}, &fits) == longest);
  EXPECT_TRUE(fits);
  EXPECT_TRUE(Join({"sawtally", longest + "q"}, &fits) == longest);
  EXPECT_FALSE(fits);
  std::string almost = longest.substr(1);
  EXPECT_TRUE(Join({"sawtally", almost, "q"}, &fits) == almost + " ");
  EXPECT_FALSE(fits);
}

TEST(MakeOutputName, ReplacesTheFileNamesExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"D:|Work|cabinet.csv", "D:|Work|cabinet_MATCHED.txt"},
      {"D:|Work|cabinet.old.csv", "D:|Work|cabinet.old_MATCHED.txt"},
      {"D:|Work|cabinet", "D:|Work|cabinet_MATCHED.txt"},
      {"D:|Work.2020|cabinet", "D:|Work.2020|cabinet_MATCHED.txt"},
      {"D:|Work.2020|cabinet.csv", "D:|Work.2020|cabinet_MATCHED.txt"},
      {"cabinet.csv", "cabinet_MATCHED.txt"},
      {"cabinet.", "cabinet_MATCHED.txt"},
      {"|cuts|.csv", "|cuts|_MATCHED.txt"},
      {"", "_MATCHED.txt"},
  };
  for (const auto& c : cases) {
    static char outputPath[kOutputPathSize];
    MakeOutputName(NativePath(c.first).c_str(), outputPath);
    EXPECT_EQ(std::string(outputPath), NativePath(c.second)) << c.first;
  }
}

TEST(MakeOutputName, LongestInputPathFits) {
  std::string input(kInputPathSize - 1, 'p');
  static char outputPath[kOutputPathSize];
  MakeOutputName(input.c_str(), outputPath);
  EXPECT_EQ(std::string(outputPath), input + "_MATCHED.txt");
}

}  // namespace
