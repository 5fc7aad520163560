// The rows of a cut list as the program keeps them for one run.
#ifndef SAWTALLY_CUTLIST_DIMENSION_TABLE_H_
#define SAWTALLY_CUTLIST_DIMENSION_TABLE_H_

#include "platform/text_file.h"

/// Most rows a cut list may have, both sections together.
constexpr int kMaxRows = 55;
/// Size of a row's report-line slot: at most 98 characters, a CR and a NUL.
constexpr int kRowTextSize = 100;
/// Size of a length or width entry: holds any field of a line whole, so that
/// two different dimensions are never cut to one value.
constexpr int kDimensionSize = kLineBufferSize;
/// The label byte of a dimension that has no label.
constexpr char kNoLabel = ' ';

/// One fixed-size table, filled by the reader, labelled by the matcher and
/// printed by the report; it never allocates.
struct DimensionTable {
  char rowText[kMaxRows][kRowTextSize];   // report line of each row, then CR
  char lengths[kMaxRows][kDimensionSize]; // each row's length as matched
  char widths[kMaxRows][kDimensionSize];  // each row's width as matched
  char lengthLabels[kMaxRows];            // label of each length, or a space
  char widthLabels[kMaxRows];             // label of each width, or a space
  int rowCount;                           // rows in use, from row 0
};

/// Empties the table: no rows, every label a space.
void InitDimensionTable(DimensionTable* table);

#endif  // SAWTALLY_CUTLIST_DIMENSION_TABLE_H_
