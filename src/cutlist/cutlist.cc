#include "cutlist/cutlist.h"

#include <string.h>

#include "cutlist/format_line.h"

const char kComponentsHeading[] = "Components";
const char kSheetGoodsHeading[] = "Sheet Goods";

void InitDimensionTable(DimensionTable* table) {
  memset(table->lengthLabels, kNoLabel, sizeof table->lengthLabels);
  memset(table->widthLabels, kNoLabel, sizeof table->widthLabels);
  table->rowCount = 0;
}

bool FindSectionHeading(TextReader* input, char* line) {
  return ReadLineContaining(input, kComponentsHeading, kSheetGoodsHeading,
                            line);
}

// Stores the formatted line in `line` as the table's next row, with its CR.
static void StoreRowText(const char* line, DimensionTable* table) {
  char* slot = table->rowText[table->rowCount];
  size_t size = strlen(line);
  memcpy(slot, line, size);
  slot[size] = '\r';
  slot[size + 1] = '\0';
}

bool ReadSectionRows(TextReader* input, char* line, DimensionTable* table) {
  if (!ReadTextLine(input, line))  // the line after the heading
    return true;
  while (ReadTextLine(input, line) && line[0] != '\n') {
    if (table->rowCount == kMaxRows)
      return false;
    int row = table->rowCount;
    FormatLine(line, table->lengths[row], table->widths[row]);
    StoreRowText(line, table);
    table->rowCount = row + 1;
  }
  return true;
}

CutListResult ReadCutList(TextReader* input, DimensionTable* table) {
  char line[kLineBufferSize];
  if (!FindSectionHeading(input, line))
    return input->failed ? kCutListReadFailed : kCutListNoSection;
  if (!ReadSectionRows(input, line, table))
    return kCutListTooManyRows;
  if (FindSectionHeading(input, line) &&
      !ReadSectionRows(input, line, table))
    return kCutListTooManyRows;
  return input->failed ? kCutListReadFailed : kCutListRead;
}
