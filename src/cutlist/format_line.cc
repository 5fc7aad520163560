#include "cutlist/format_line.h"

#include <string.h>

#include "cutlist/dimension_table.h"

namespace {

/// One comma-separated field of a row, as a stretch of the line buffer.
struct Field {
  const char* start;
  int size;
  bool tilde;  // the dimension rule turned its first byte into '~'
};

// Takes the field that starts at `from`: the bytes up to the next comma or
// the end of the line. Returns where the following field starts; at the end
// of the line that is the end itself, so missing fields come out empty.
const char* TakeField(const char* from, Field* field) {
  const char* stop = from;
  while (*stop != ',' && *stop != '\0' && *stop != '\n')
    ++stop;
  field->start = from;
  field->size = static_cast<int>(stop - from);
  field->tilde = false;
  return *stop == ',' ? stop + 1 : stop;
}

// A leading 0 goes with the byte after it ("0 3/4" is "3/4"); a leading
// space marks an approximate value and shows as '~'.
void ApplyDimensionRule(Field* field) {
  if (field->size > 0 && field->start[0] == '0') {
    int cut = field->size < 2 ? field->size : 2;
    field->start += cut;
    field->size -= cut;
  } else if (field->size > 0 && field->start[0] == ' ') {
    field->tilde = true;
  }
}

// Copies at most `limit` bytes of the field to `to`; returns the bytes copied.
int CopyField(const Field& field, char* to, int limit) {
  int size = field.size < limit ? field.size : limit;
  memcpy(to, field.start, size);
  if (field.tilde && size > 0)
    to[0] = '~';
  return size;
}

// Places the field at `column`, cut or padded with spaces to `width`.
void PlaceField(const Field& field, char* line, int column, int width) {
  int size = CopyField(field, line + column, width);
  memset(line + column + size, ' ', width - size);
}

// Copies the whole field into a dimension entry and terminates it.
void CopyDimension(const Field& field, char* to) {
  to[CopyField(field, to, kDimensionSize - 1)] = '\0';
}

}  // namespace

void FormatLine(char* line, char* length, char* width) {
  char work[kLineBufferSize];
  Field part, quantity, description, lengthField, widthField, thick;
  const char* next = TakeField(line, &part);
  next = TakeField(next, &quantity);
  next = TakeField(next, &description);
  next = TakeField(next, &lengthField);
  next = TakeField(next, &widthField);
  TakeField(next, &thick);
  ApplyDimensionRule(&lengthField);
  ApplyDimensionRule(&widthField);
  ApplyDimensionRule(&thick);

  PlaceField(part, work, kPartColumn, kPartWidth);
  PlaceField(quantity, work, kQuantityColumn, kQuantityWidth);
  PlaceField(description, work, kDescriptionColumn, kDescriptionWidth);
  work[kLengthColumn - 1] = ' ';
  PlaceField(lengthField, work, kLengthColumn, kLengthWidth);
  PlaceField(widthField, work, kWidthColumn, kWidthWidth);
  int end = kThickColumn +
            CopyField(thick, work + kThickColumn, kMaxFormattedLine - kThickColumn);
  work[end] = '\0';

  CopyDimension(lengthField, length);
  CopyDimension(widthField, width);
  memcpy(line, work, end + 1);
}
