// Per-call cost of the matcher on its worst case and of formatting a row.
#include <string.h>

#include <string>

#include <benchmark/benchmark.h>

#include "cutlist/dimension_table.h"
#include "cutlist/format_line.h"
#include "matcher/matcher.h"

namespace {

// 55 rows, each value twice (the length of row k is the width of row 54-k):
// every comparison is made and all 55 labels are handed out.
void FillWorstCase(DimensionTable* table) {
  InitDimensionTable(table);
  table->rowCount = kMaxRows;
  for (int k = 0; k < kMaxRows; ++k) {
    std::string value =
        std::to_string(10 + k) + " " + std::to_string((k * 7) % 16) + "/16\"";
    strcpy(table->lengths[k], value.c_str());
    strcpy(table->widths[kMaxRows - 1 - k], value.c_str());
  }
}

void BM_FindMatchesWorstCase(benchmark::State& state) {
  static DimensionTable table;
  FillWorstCase(&table);
  for (auto _ : state) {
    // Blank labels again, as a fresh run has them (110 bytes).
    memset(table.lengthLabels, kNoLabel, sizeof table.lengthLabels);
    memset(table.widthLabels, kNoLabel, sizeof table.widthLabels);
    bool found = FindMatches(table.lengths, table.lengthLabels, table.widths,
                             table.widthLabels, table.rowCount);
    benchmark::DoNotOptimize(found);
    benchmark::ClobberMemory();
  }
  state.counters["comparisons"] = 2 * kMaxRows * kMaxRows - kMaxRows;
}
BENCHMARK(BM_FindMatchesWorstCase);

void BM_FormatLineTypicalRow(benchmark::State& state) {
  const char row[] = "C-001,2,Side,23 1/2\",11 1/4\",0 3/4\",1.47,2.94,3.92,Walnut,\n";
  char line[kLineBufferSize];
  char length[kDimensionSize];
  char width[kDimensionSize];
  for (auto _ : state) {
    memcpy(line, row, sizeof row);  // the reader hands over a fresh row each time
    FormatLine(line, length, width);
    benchmark::DoNotOptimize(line);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FormatLineTypicalRow);

}  // namespace
