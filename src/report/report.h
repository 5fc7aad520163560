// Writes the matched report: title block, FILE line, header and one line per
// row with the labels of its length and width.
#ifndef SAWTALLY_REPORT_REPORT_H_
#define SAWTALLY_REPORT_REPORT_H_

#include "cutlist/dimension_table.h"
#include "platform/text_file.h"

/// Column of a row's length label and of its width label in the report.
constexpr int kLengthLabelColumn = 49;
constexpr int kWidthLabelColumn = 52;

/// Writes the report's three-line title block.
void WriteReportTitle(TextWriter* report);

/// Writes the FILE line naming the report by the last component of
/// `outputPath`, the column header, and every row of `table` with its labels
/// placed into the row's line (the table's row slots are changed).
void WriteReportBody(TextWriter* report, const char* outputPath,
                     DimensionTable* table);

#endif  // SAWTALLY_REPORT_REPORT_H_
