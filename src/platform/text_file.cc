#include "platform/text_file.h"

#include <string.h>

namespace {

constexpr char kCtrlZ = 0x1A;

// Cuts the current block at a Ctrl-Z: nothing from it on is ever delivered.
void StopAtCtrlZ(TextReader* reader) {
  const void* stop = memchr(reader->next, kCtrlZ, reader->end - reader->next);
  if (stop != nullptr) {
    reader->end = static_cast<const char*>(stop);
    reader->ended = true;
  }
}

// Fetches the next block of the file. Returns false when nothing is left.
bool Refill(TextReader* reader) {
  if (reader->ended)
    return false;
  size_t got = fread(reader->block, 1, kReadBlockSize, reader->file);
  if (got < kReadBlockSize) {
    reader->ended = true;
    reader->failed = ferror(reader->file) != 0;
  }
  reader->next = reader->block;
  reader->end = reader->block + got;
  StopAtCtrlZ(reader);
  return reader->next != reader->end;
}

// Appends bytes to the line, leaving out CRs and anything past the limit.
int AppendLineBytes(char* line, int used, const char* from, const char* to) {
  while (from < to && used < kMaxLineBytes) {
    const char* cr = static_cast<const char*>(memchr(from, '\r', to - from));
    const char* stop = cr != nullptr ? cr : to;
    size_t take = stop - from;
    if (take > static_cast<size_t>(kMaxLineBytes - used))
      take = kMaxLineBytes - used;
    memcpy(line + used, from, take);
    used += static_cast<int>(take);
    from = stop + (cr != nullptr ? 1 : 0);
  }
  return used;
}

// Whether [from, to) holds a byte other than CR.
bool HasContent(const char* from, const char* to) {
  for (; from < to; ++from) {
    if (*from != '\r')
      return true;
  }
  return false;
}

}  // namespace

void OpenTextReader(TextReader* reader, FILE* file) {
  reader->file = file;
  reader->memory = nullptr;
  reader->memorySize = 0;
  reader->next = reader->block;
  reader->end = reader->block;
  reader->ended = false;
  reader->failed = false;
}

void OpenTextReaderMemory(TextReader* reader, const char* data, size_t size) {
  OpenTextReader(reader, nullptr);
  reader->memory = data;
  reader->memorySize = size;
  reader->next = data;
  reader->end = data + size;
  reader->ended = true;
  StopAtCtrlZ(reader);
}

bool ReadTextLine(TextReader* reader, char* line) {
  int used = 0;
  bool delivered = false;
  for (;;) {
    if (reader->next == reader->end && !Refill(reader))
      break;
    const char* from = reader->next;
    const char* lf =
        static_cast<const char*>(memchr(from, '\n', reader->end - from));
    const char* to = lf != nullptr ? lf + 1 : reader->end;
    delivered = delivered || HasContent(from, to);
    used = AppendLineBytes(line, used, from, to);
    reader->next = to;
    if (lf != nullptr)
      break;
  }
  line[used] = '\0';
  return delivered;
}

bool ReadLineContaining(TextReader* reader, const char* word1,
                        const char* word2, char* line) {
  while (ReadTextLine(reader, line)) {
    if (strstr(line, word1) != nullptr || strstr(line, word2) != nullptr)
      return true;
  }
  return false;
}

void OpenTextWriter(TextWriter* writer, FILE* file) {
  writer->file = file;
  writer->memory = nullptr;
  writer->capacity = 0;
  writer->length = 0;
  writer->failed = false;
  writer->used = 0;
}

void OpenTextWriterMemory(TextWriter* writer, char* memory, size_t capacity) {
  OpenTextWriter(writer, nullptr);
  writer->memory = memory;
  writer->capacity = capacity;
}

bool FlushTextWriter(TextWriter* writer) {
  if (writer->used == 0)
    return !writer->failed;
  if (writer->file != nullptr) {
    if (fwrite(writer->buffer, 1, writer->used, writer->file) != writer->used)
      writer->failed = true;
  } else {
    size_t room = writer->capacity - writer->length;
    size_t take = writer->used < room ? writer->used : room;
    memcpy(writer->memory + writer->length, writer->buffer, take);
    writer->length += take;
    if (take < writer->used)
      writer->failed = true;
  }
  writer->used = 0;
  return !writer->failed;
}

// Puts bytes into the buffer, handing the buffer on whenever it is full.
static void PutBytes(TextWriter* writer, const char* bytes, size_t size) {
  while (size > 0) {
    if (writer->used == kWriteBlockSize)
      FlushTextWriter(writer);
    size_t room = kWriteBlockSize - writer->used;
    size_t take = size < room ? size : room;
    memcpy(writer->buffer + writer->used, bytes, take);
    writer->used += take;
    bytes += take;
    size -= take;
  }
}

void WriteText(TextWriter* writer, const char* text, size_t size) {
  while (size > 0) {
    const char* lf = static_cast<const char*>(memchr(text, '\n', size));
    size_t run = lf != nullptr ? static_cast<size_t>(lf - text) : size;
    PutBytes(writer, text, run);
    if (lf != nullptr) {
      PutBytes(writer, "\r\n", 2);
      ++run;
    }
    text += run;
    size -= run;
  }
}

void WriteTextString(TextWriter* writer, const char* text) {
  WriteText(writer, text, strlen(text));
}
