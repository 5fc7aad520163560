#include "matcher/matcher.h"

const char labels[] = "ABCDEFGHJKLMNPQRSTUVWXYZabcedfghjkmnpqrstuvwxyz23456789";
static_assert(sizeof labels - 1 == kMaxRows,
              "a full table needs at most one label per row");

namespace {

/// The label slots that one row of the matcher may write, and its label.
struct RowLabel {
  char label;
  bool written;  // the row has handed out its label at least once
};

// Labels both slots of an equal pair, each only if it is still blank.
void LabelPair(char* slot, char* partner, RowLabel* row) {
  if (*slot == kNoLabel) {
    *slot = row->label;
    row->written = true;
  }
  if (*partner == kNoLabel) {
    *partner = row->label;
    row->written = true;
  }
}

// Whether two values are the same bytes, as strcmp would find, without a
// library call for each of the thousands of pairs: most differ at once.
inline bool SameValue(const char* a, const char* b) {
  while (*a == *b) {
    if (*a == '\0')
      return true;
    ++a;
    ++b;
  }
  return false;
}

// Compares `value` with `values[from..rowCount)` and labels each equal pair.
bool MatchAgainst(const char* value, char* slot,
                  const char (*values)[kDimensionSize], char* valueLabels,
                  int from, int rowCount, RowLabel* row) {
  bool found = false;
  for (int j = from; j < rowCount; ++j) {
    if (SameValue(value, values[j])) {
      LabelPair(slot, &valueLabels[j], row);
      found = true;
    }
  }
  return found;
}

}  // namespace

bool FindMatches(const char (*lengths)[kDimensionSize], char* lengthLabels,
                 const char (*widths)[kDimensionSize], char* widthLabels,
                 int rowCount) {
  int labelIndex = 0;
  bool found = false;
  // Each length against the later lengths and against every width.
  for (int i = 0; i < rowCount; ++i) {
    RowLabel row = {labels[labelIndex], false};
    found |= MatchAgainst(lengths[i], &lengthLabels[i], lengths, lengthLabels,
                          i + 1, rowCount, &row);
    found |= MatchAgainst(lengths[i], &lengthLabels[i], widths, widthLabels, 0,
                          rowCount, &row);
    labelIndex += row.written ? 1 : 0;
  }
  // Each width against the later widths; lengths have met every width above.
  for (int i = 0; i < rowCount; ++i) {
    RowLabel row = {labels[labelIndex], false};
    found |= MatchAgainst(widths[i], &widthLabels[i], widths, widthLabels,
                          i + 1, rowCount, &row);
    labelIndex += row.written ? 1 : 0;
  }
  return found;
}
