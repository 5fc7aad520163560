#include "report/report.h"

#include "platform/path.h"

static const char kStars[] =
    "**************************************************************************";
static_assert(sizeof kStars - 1 == 74, "the title block is 74 columns wide");
static const char kTitle[] =
    "**************  MATCHED AND CROSS-LABELED CUTLIST DIMENSIONS  ************\r\n";
static const char kHeader[] =
    "Part# Quantity Description            Length(L)        Width(W)   "
    "Thick(T)\r\n";

void WriteReportTitle(TextWriter* report) {
  WriteTextString(report, kStars);
  WriteTextString(report, "\r\n");
  WriteTextString(report, kTitle);
  WriteTextString(report, kStars);
  WriteTextString(report, "\r\n\n");
}

void WriteReportBody(TextWriter* report, const char* outputPath,
                     DimensionTable* table) {
  WriteTextString(report, "FILE: ");
  WriteTextString(report, FinalComponent(outputPath));
  WriteTextString(report, "\r\n\n");
  WriteTextString(report, kHeader);
  for (int row = 0; row < table->rowCount; ++row) {
    table->rowText[row][kLengthLabelColumn] = table->lengthLabels[row];
    table->rowText[row][kWidthLabelColumn] = table->widthLabels[row];
    WriteTextString(report, table->rowText[row]);
  }
}
