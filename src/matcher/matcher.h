// Finds the lengths and widths that occur more than once and labels them.
#ifndef SAWTALLY_MATCHER_MATCHER_H_
#define SAWTALLY_MATCHER_MATCHER_H_

#include "cutlist/dimension_table.h"

/// The label characters in the order they are handed out: no I, O, i, l, o,
/// 0 or 1, which are easy to misread in a workshop; e stands before d.
extern const char labels[];

/// Gives every length or width value that occurs more than once (lengths and
/// widths together, compared byte for byte) one label from `labels`, the same
/// on each occurrence, writing only label slots that hold a space. Returns
/// whether any value occurs more than once; false for `rowCount` 0 or less.
bool FindMatches(const char (*lengths)[kDimensionSize], char* lengthLabels,
                 const char (*widths)[kDimensionSize], char* widthLabels,
                 int rowCount);

#endif  // SAWTALLY_MATCHER_MATCHER_H_
