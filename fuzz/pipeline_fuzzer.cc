// Fuzzes the whole core on arbitrary input bytes: reads the cut list, labels
// it and writes the report into memory, then checks the result against a
// plain model of the reading and against what the report must be.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <map>
#include <string>
#include <vector>

#include "check.h"
#include "cutlist/cutlist.h"
#include "cutlist/format_line.h"
#include "matcher/matcher.h"
#include "platform/path.h"
#include "report/report.h"

namespace {


const char kOutputPath[] = "fuzz_MATCHED.txt";

// The lines the input holds, read the plain way: nothing from a Ctrl-Z on,
// every CR gone, a line ending after each LF, each cut to 299 bytes.
std::vector<std::string> ModelLines(const uint8_t* data, size_t size) {
  std::string text;
  for (size_t i = 0; i < size && data[i] != 0x1A; ++i) {
    if (data[i] != '\r')
      text += static_cast<char>(data[i]);
  }
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t lf = text.find('\n', start);
    size_t end = lf == std::string::npos ? text.size() : lf + 1;
    lines.push_back(text.substr(start, end - start).substr(0, kMaxLineBytes));
    start = end;
  }
  return lines;
}

bool IsHeading(const std::string& line) {
  std::string seen = line.substr(0, line.find('\0'));
  return seen.find("Components") != std::string::npos ||
         seen.find("Sheet Goods") != std::string::npos;
}

// How the model reads the first two sections: the result and the row lines.
CutListResult ModelRead(const std::vector<std::string>& lines,
                        std::vector<std::string>* rows) {
  size_t next = 0;
  for (int section = 0; section < 2; ++section) {
    while (next < lines.size() && !IsHeading(lines[next]))
      ++next;
    if (next >= lines.size())
      return section == 0 ? kCutListNoSection : kCutListRead;
    next += 2;  // the heading and the line after it
    for (; next < lines.size() && lines[next][0] != '\n'; ++next) {
      if (rows->size() == static_cast<size_t>(kMaxRows))
        return kCutListTooManyRows;
      rows->push_back(lines[next]);
    }
    ++next;  // the closing blank line
  }
  return kCutListRead;
}

// Formats a row line as the table should hold it, without labels.
std::string Formatted(const std::string& row, std::string* length, std::string* width) {
  char line[kLineBufferSize];
  char lengthText[kDimensionSize];
  char widthText[kDimensionSize];
  memcpy(line, row.data(), row.size());
  line[row.size()] = '\0';
  FormatLine(line, lengthText, widthText);
  *length = lengthText;
  *width = widthText;
  CHECK(strlen(line) >= kThickColumn && strlen(line) <= kMaxFormattedLine);
  return line;
}

// Every repeated value has one label of its own, unrepeated ones none, and
// labels are handed out in the alphabet's order.
void CheckLabels(const DimensionTable& table) {
  std::map<std::string, int> count;
  std::map<std::string, char> labelOf;
  std::vector<std::pair<std::string, char>> slots;
  for (int row = 0; row < table.rowCount; ++row)
    slots.emplace_back(table.lengths[row], table.lengthLabels[row]);
  for (int row = 0; row < table.rowCount; ++row)
    slots.emplace_back(table.widths[row], table.widthLabels[row]);
  for (const auto& slot : slots)
    ++count[slot.first];
  size_t handedOut = 0;
  for (const auto& slot : slots) {
    if (count[slot.first] == 1) {
      CHECK(slot.second == ' ');
    } else if (labelOf.count(slot.first) == 0) {
      CHECK(slot.second == labels[handedOut]);
      labelOf[slot.first] = slot.second;
      ++handedOut;
    } else {
      CHECK(slot.second == labelOf[slot.first]);
    }
  }
  for (int row = table.rowCount; row < kMaxRows; ++row)
    CHECK(table.lengthLabels[row] == ' ' && table.widthLabels[row] == ' ');
}

std::string ExpectedReport(const std::vector<std::string>& formatted,
                           const DimensionTable& table) {
  std::string stars(74, '*');
  std::string report = stars + "\r\r\n" +
                       "**************  MATCHED AND CROSS-LABELED CUTLIST DIMENSIONS  "
                       "************\r\r\n" +
                       stars + "\r\r\n\r\n" + "FILE: " + FinalComponent(kOutputPath) +
                       "\r\r\n\r\n" +
                       "Part# Quantity Description            Length(L)        "
                       "Width(W)   Thick(T)\r\r\n";
  for (size_t row = 0; row < formatted.size(); ++row) {
    std::string line = formatted[row];
    line[kLengthLabelColumn] = table.lengthLabels[row];
    line[kWidthLabelColumn] = table.widthLabels[row];
    report += line + "\r";
  }
  return report;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static DimensionTable table;
  static TextReader reader;
  static TextWriter writer;
  static char report[8192];
  InitDimensionTable(&table);
  OpenTextReaderMemory(&reader, reinterpret_cast<const char*>(data), size);
  CutListResult result = ReadCutList(&reader, &table);

  std::vector<std::string> rows;
  CHECK(result == ModelRead(ModelLines(data, size), &rows));
  if (result != kCutListRead)
    return 0;
  CHECK(table.rowCount == static_cast<int>(rows.size()));
  std::vector<std::string> formatted;
  for (int row = 0; row < table.rowCount; ++row) {
    std::string length, width;
    formatted.push_back(Formatted(rows[row], &length, &width));
    CHECK(table.rowText[row] == formatted.back() + "\r");
    CHECK(length == table.lengths[row] && width == table.widths[row]);
  }

  OpenTextWriterMemory(&writer, report, sizeof report);
  WriteReportTitle(&writer);
  bool found = FindMatches(table.lengths, table.lengthLabels, table.widths,
                           table.widthLabels, table.rowCount);
  WriteReportBody(&writer, kOutputPath, &table);
  CHECK(FlushTextWriter(&writer));
  CheckLabels(table);
  // Something matched exactly when the first label was handed out.
  CHECK(found == (memchr(table.lengthLabels, labels[0], kMaxRows) != nullptr ||
                  memchr(table.widthLabels, labels[0], kMaxRows) != nullptr));
  CHECK(std::string(report, writer.length) == ExpectedReport(formatted, table));
  return 0;
}
