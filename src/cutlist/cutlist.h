// Reads the first two sections of a cut list into the dimension table.
#ifndef SAWTALLY_CUTLIST_CUTLIST_H_
#define SAWTALLY_CUTLIST_CUTLIST_H_

#include "cutlist/dimension_table.h"
#include "platform/text_file.h"

/// How reading a cut list ended.
enum CutListResult {
  kCutListRead,         // the table holds every row of both sections
  kCutListTooManyRows,  // a 56th row arrived; the table is to be dropped
  kCutListNoSection,    // no line holds a heading word: not a cut list
  kCutListReadFailed,   // the file reported a read error
};

/// Words that open a section when a line contains either of them.
extern const char kComponentsHeading[];
extern const char kSheetGoodsHeading[];

/// Reads the first two sections of `input` into `table`, which must be empty.
/// End of input inside a section ends that section with the rows read so far.
CutListResult ReadCutList(TextReader* input, DimensionTable* table);

/// Reads lines into `line` until one contains a heading word; returns false
/// when the input ends first.
bool FindSectionHeading(TextReader* input, char* line);

/// Drops the line after a heading, then formats and stores each row until a
/// blank line or the end of input. Returns false when a row arrives with the
/// table full; that row is not stored.
bool ReadSectionRows(TextReader* input, char* line, DimensionTable* table);

#endif  // SAWTALLY_CUTLIST_CUTLIST_H_
