// Helpers shared by the unit tests: fixtures and the core pipeline in memory.
#ifndef SAWTALLY_TESTS_TEST_SUPPORT_H_
#define SAWTALLY_TESTS_TEST_SUPPORT_H_

#include <string>

#include <gtest/gtest.h>

#include "cutlist/cutlist.h"

/// The bytes of the project's file at `path` (such as
/// "tests/fixtures/x.txt"); fails the test when it is missing.
std::string ReadSourceFile(const std::string& path);

/// Spells a path with this platform's folder separator in place of each '|'.
std::string NativePath(std::string path);

/// Turns each LF of `text` into CR LF, as the cut-list exporter writes lines.
std::string Crlf(const std::string& text);

/// What the core makes of one input: how the reading ended, whether anything
/// matched, and the report bytes (empty unless the reading succeeded).
struct PipelineResult {
  CutListResult result;
  bool matched;
  std::string report;
};

/// Reads `input`, matches and writes the report for `outputPath` in memory,
/// the same calls in the same order as the program makes them.
PipelineResult RunPipeline(const std::string& input, const std::string& outputPath);

/// Reads `input` into `table` (emptied first) and returns how reading ended.
CutListResult ReadTable(const std::string& input, DimensionTable* table);

/// Names each case of a parameterised test by its `name` field.
struct CaseName {
  template <class Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

#endif  // SAWTALLY_TESTS_TEST_SUPPORT_H_
