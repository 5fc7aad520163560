#include "test_support.h"

#include <stdio.h>

#include <memory>

#include <gtest/gtest.h>

#include "matcher/matcher.h"
#include "platform/path.h"
#include "report/report.h"

std::string ReadSourceFile(const std::string& path) {
  std::string fullPath = std::string(SAWTALLY_SOURCE_DIR) + "/" + path;
  FILE* file = fopen(fullPath.c_str(), "rb");
  EXPECT_NE(file, nullptr) << "missing " << fullPath;
  std::string bytes;
  if (file == nullptr)
    return bytes;
  char block[4096];
  size_t got;
  while ((got = fread(block, 1, sizeof block, file)) > 0)
    bytes.append(block, got);
  fclose(file);
  return bytes;
}

std::string NativePath(std::string path) {
  for (char& c : path) {
    if (c == '|')
      c = kPathSeparator;
  }
  return path;
}

std::string Crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n')
      out += '\r';
    out += c;
  }
  return out;
}

CutListResult ReadTable(const std::string& input, DimensionTable* table) {
  auto reader = std::make_unique<TextReader>();
  OpenTextReaderMemory(reader.get(), input.data(), input.size());
  InitDimensionTable(table);
  return ReadCutList(reader.get(), table);
}

PipelineResult RunPipeline(const std::string& input, const std::string& outputPath) {
  auto table = std::make_unique<DimensionTable>();
  PipelineResult result = {ReadTable(input, table.get()), false, ""};
  if (result.result != kCutListRead)
    return result;
  auto writer = std::make_unique<TextWriter>();
  std::string report(64 * 1024, '\0');
  OpenTextWriterMemory(writer.get(), &report[0], report.size());
  WriteReportTitle(writer.get());
  result.matched = FindMatches(table->lengths, table->lengthLabels,
                               table->widths, table->widthLabels,
                               table->rowCount);
  WriteReportBody(writer.get(), outputPath.c_str(), table.get());
  EXPECT_TRUE(FlushTextWriter(writer.get()));
  report.resize(writer->length);
  result.report = report;
  return result;
}
