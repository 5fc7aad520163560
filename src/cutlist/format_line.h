// Turns one data row of the cut list into its fixed-column report line.
#ifndef SAWTALLY_CUTLIST_FORMAT_LINE_H_
#define SAWTALLY_CUTLIST_FORMAT_LINE_H_

/// Columns of the report line: where each field starts and how wide it is.
constexpr int kPartColumn = 0;
constexpr int kPartWidth = 6;
constexpr int kQuantityColumn = 6;
constexpr int kQuantityWidth = 8;
constexpr int kDescriptionColumn = 14;
constexpr int kDescriptionWidth = 23;
constexpr int kLengthColumn = 38;
constexpr int kLengthWidth = 17;
constexpr int kWidthColumn = 55;
constexpr int kWidthWidth = 11;
constexpr int kThickColumn = 66;
/// Longest report line: it must fit a row slot with its CR and NUL.
constexpr int kMaxFormattedLine = 98;

/// Replaces the row in `line` (a NUL-terminated line buffer of
/// kLineBufferSize bytes) by its report line, and copies the row's length
/// and width, whole, into `length` and `width` (kDimensionSize bytes each).
/// Missing fields count as empty; a Thick is cut to keep the line at 98 bytes.
void FormatLine(char* line, char* length, char* width);

#endif  // SAWTALLY_CUTLIST_FORMAT_LINE_H_
