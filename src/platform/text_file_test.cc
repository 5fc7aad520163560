#include "platform/text_file.h"

#include <stdio.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using Lines = std::vector<std::string>;

// Every line ReadTextLine delivers, NUL bytes included: the buffer is filled
// with '#' first, so the reader's terminator is the last byte before them.
Lines ReadAll(TextReader* reader) {
  Lines lines;
  char line[kLineBufferSize];
  for (;;) {
    memset(line, '#', sizeof line);
    if (!ReadTextLine(reader, line))
      return lines;
    size_t size = kLineBufferSize;
    while (size > 0 && line[size - 1] == '#')
      --size;
    EXPECT_GT(size, 0u);
    EXPECT_EQ(line[size - 1], '\0') << "line not terminated";
    lines.emplace_back(line, size - 1);
  }
}

Lines ReadMemory(const std::string& input) {
  auto reader = std::make_unique<TextReader>();
  OpenTextReaderMemory(reader.get(), input.data(), input.size());
  return ReadAll(reader.get());
}

Lines ReadFile(const std::string& input) {
  FILE* file = tmpfile();
  EXPECT_NE(file, nullptr);
  if (file == nullptr)
    return {};
  fwrite(input.data(), 1, input.size(), file);
  rewind(file);
  auto reader = std::make_unique<TextReader>();
  OpenTextReader(reader.get(), file);
  Lines lines = ReadAll(reader.get());
  EXPECT_FALSE(reader->failed);
  fclose(file);
  return lines;
}

std::string Repeat(char c, size_t n) { return std::string(n, c); }

struct ReadCase {
  const char* name;
  std::string input;
  Lines expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

const ReadCase kReadCases[] = {
    {"crlf_and_lf_alike", "ab\r\ncd\nef\r\n", {"ab\n", "cd\n", "ef\n"}},
    {"last_line_without_lf", "ab\ncd", {"ab\n", "cd"}},
    {"empty_input", "", {}},
    {"blank_lines_kept", "\n\r\n\n", {"\n", "\n", "\n"}},
    {"cr_anywhere_dropped", "a\rb\r\r,c\n\rd\r", {"ab,c\n", "d"}},
    {"cr_only_is_no_input", "\r\r\r\r", {}},
    {"ctrl_z_mid_line", "ab\ncd\x1a" "ef\ngh\n", {"ab\n", "cd"}},
    {"ctrl_z_first", "\x1a" "Components\n", {}},
    {"ctrl_z_after_lf", "ab\n\x1a\n", {"ab\n"}},
    {"nul_passes_unchanged", std::string("a\0b\n\0\n", 6),
     {std::string("a\0b\n", 4), std::string("\0\n", 2)}},
    {"line_of_298_keeps_lf", Repeat('x', 298) + "\nz\n",
     {Repeat('x', 298) + "\n", "z\n"}},
    {"line_of_299_is_one_line", Repeat('x', 299) + "\nz\n",
     {Repeat('x', 299), "z\n"}},
    {"long_line_is_cut_not_split", Repeat('x', 1000) + "\r\nz\n",
     {Repeat('x', 299), "z\n"}},
    {"crs_do_not_count_to_the_limit", Repeat('\r', 500) + Repeat('x', 298) + "\r\n",
     {Repeat('x', 298) + "\n"}},
    {"long_last_line_without_lf", Repeat('y', 400), {Repeat('y', 299)}},
};

class ReadTextLineTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadTextLineTest, MemoryAndFileDeliverTheSameLines) {
  EXPECT_EQ(ReadMemory(GetParam().input), GetParam().expected);
  EXPECT_EQ(ReadFile(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadTextLineTest, testing::ValuesIn(kReadCases), CaseName());

// A file longer than one block: lines, CR LF pairs, long lines and a Ctrl-Z
// may all fall across a block boundary.
TEST(ReadTextLineBlocks, LinesAcrossBlockBoundariesAreWhole) {
  std::string input;
  for (size_t i = 0; input.size() < 3 * kReadBlockSize; ++i) {
    input += "C-" + std::to_string(i) + ",2,Side,23 1/2\",11 1/4\",0 3/4\",\r\n";
    if (i % 997 == 0)
      input += Repeat('w', 700) + "\r\n";
  }
  input += "end\x1a" "after\n";
  Lines fromFile = ReadFile(input);
  ASSERT_FALSE(fromFile.empty());
  EXPECT_EQ(fromFile, ReadMemory(input));
  EXPECT_EQ(fromFile.back(), "end");
  for (size_t block = 1; block <= 3; ++block) {
    // Move the Ctrl-Z right onto each boundary.
    std::string cut = input.substr(0, block * kReadBlockSize) + "\x1a" + "tail\n";
    EXPECT_EQ(ReadFile(cut), ReadMemory(cut));
  }
}

struct ContainingCase {
  const char* name;
  std::string input;
  bool found;
  std::string line;
};

void PrintTo(const ContainingCase& c, std::ostream* os) { *os << c.name; }

const ContainingCase kContainingCases[] = {
    {"word_anywhere", "x\r\nPart list, Sheet Goods and more\r\n", true,
     "Part list, Sheet Goods and more\n"},
    {"first_of_either_word", "Components\nSheet Goods\n", true, "Components\n"},
    {"cr_inside_word_vanishes", "Comp\ronents\n", true, "Components\n"},
    {"letter_case_matters", "components\nSHEET GOODS\n", false, ""},
    {"word_after_nul_is_not_seen", std::string("ab\0Components\n", 14), false, ""},
    {"word_past_299_bytes_is_cut_off", Repeat('x', 295) + "Components\n", false, ""},
    {"word_split_by_ctrl_z", "Compo\x1anents\n", false, ""},
};

class ReadLineContainingTest : public testing::TestWithParam<ContainingCase> {};

TEST_P(ReadLineContainingTest, FindsWordsAsTheLineIsDelivered) {
  const ContainingCase& c = GetParam();
  auto reader = std::make_unique<TextReader>();
  OpenTextReaderMemory(reader.get(), c.input.data(), c.input.size());
  char line[kLineBufferSize];
  ASSERT_EQ(ReadLineContaining(reader.get(), "Components", "Sheet Goods", line),
            c.found);
  if (c.found) {
    EXPECT_EQ(std::string(line), c.line);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadLineContainingTest,
                         testing::ValuesIn(kContainingCases), CaseName());

TEST(TextWriter, ExpandsEachLfAndLeavesEveryOtherByte) {
  char memory[64];
  auto writer = std::make_unique<TextWriter>();
  OpenTextWriterMemory(writer.get(), memory, sizeof memory);
  WriteTextString(writer.get(), "title\r\n");
  WriteTextString(writer.get(), "gap\r\n\n");
  WriteText(writer.get(), "row\r\x1a\0\n", 7);
  ASSERT_TRUE(FlushTextWriter(writer.get()));
  EXPECT_EQ(std::string(memory, writer->length),
            std::string("title\r\r\ngap\r\r\n\r\nrow\r\x1a\0\r\n", 24));
}

TEST(TextWriter, MemoryOverflowIsAFailureNotAnOverrun) {
  char memory[8] = {};
  char guard = 'g';
  auto writer = std::make_unique<TextWriter>();
  OpenTextWriterMemory(writer.get(), memory, 5);
  WriteTextString(writer.get(), "abc\n\n");
  EXPECT_FALSE(FlushTextWriter(writer.get()));
  EXPECT_EQ(writer->length, 5u);
  EXPECT_EQ(std::string(memory, 8), std::string("abc\r\n\0\0\0", 8));
  EXPECT_EQ(guard, 'g');
}

TEST(TextWriter, FileGetsEveryByteOfALongText) {
  std::string text;
  for (int i = 0; text.size() < 3 * kWriteBlockSize; ++i)
    text += "row " + std::to_string(i) + "\r\n";
  FILE* file = tmpfile();
  ASSERT_NE(file, nullptr);
  auto writer = std::make_unique<TextWriter>();
  OpenTextWriter(writer.get(), file);
  WriteTextString(writer.get(), text.c_str());
  ASSERT_TRUE(FlushTextWriter(writer.get()));
  rewind(file);
  std::string written;
  char block[4096];
  size_t got;
  while ((got = fread(block, 1, sizeof block, file)) > 0)
    written.append(block, got);
  fclose(file);
  std::string expected;
  for (char c : text) {
    if (c == '\n')
      expected += '\r';
    expected += c;
  }
  EXPECT_EQ(written, expected);
}

}  // namespace
