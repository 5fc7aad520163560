// Text files as the cut list and the report use them, the same bytes on
// every platform: the files are opened in binary mode and the line-end
// handling is done here rather than left to the C runtime.
#ifndef SAWTALLY_PLATFORM_TEXT_FILE_H_
#define SAWTALLY_PLATFORM_TEXT_FILE_H_

#include <stddef.h>
#include <stdio.h>

/// Size of a line buffer: a line keeps at most 299 bytes, then a NUL.
constexpr int kLineBufferSize = 300;
/// Most bytes of one line that a read delivers.
constexpr int kMaxLineBytes = kLineBufferSize - 1;
/// Bytes fetched from the file at a time; reading a large file costs one
/// system call per block, not per line.
constexpr size_t kReadBlockSize = 256 * 1024;
/// Bytes of written text held before they go to the file.
constexpr size_t kWriteBlockSize = 16 * 1024;

/// Delivers the lines of a text file: CR bytes dropped, a Ctrl-Z byte
/// ending the input, NUL bytes passed on unchanged.
struct TextReader {
  FILE* file;           // binary-mode file, or null when reading `memory`
  const char* memory;   // whole input when not reading a file
  size_t memorySize;
  const char* next;     // next unread byte of the current block
  const char* end;      // end of the current block
  bool ended;           // end of input reached (end of file or Ctrl-Z)
  bool failed;          // the file reported a read error
  char block[kReadBlockSize];
};

/// Starts reading `file`, which is open in binary mode at its start.
void OpenTextReader(TextReader* reader, FILE* file);

/// Starts reading `size` bytes at `data`, which must outlive the reader.
void OpenTextReaderMemory(TextReader* reader, const char* data, size_t size);

/// Reads the next line into `line` (kLineBufferSize bytes) and NUL-terminates
/// it. A line keeps its LF when it fits; bytes past the first 299 are skipped
/// up to and including the LF. Returns false at end of input or on a read error.
bool ReadTextLine(TextReader* reader, char* line);

/// Skips lines until one contains `word1` or `word2` within what ReadTextLine
/// would deliver of it (up to its first NUL), reads that line into `line` and
/// returns true; returns false when the input ends first.
bool ReadLineContaining(TextReader* reader, const char* word1,
                        const char* word2, char* line);

/// Writes text with every LF expanded to CR LF and every other byte unchanged.
struct TextWriter {
  FILE* file;         // binary-mode file, or null when writing to `memory`
  char* memory;       // destination when not writing a file
  size_t capacity;    // size of `memory`
  size_t length;      // bytes stored in `memory` so far
  bool failed;        // a write fell short, or `memory` ran out of room
  size_t used;        // bytes waiting in `buffer`
  char buffer[kWriteBlockSize];
};

/// Starts writing to `file`, which is open in binary mode.
void OpenTextWriter(TextWriter* writer, FILE* file);

/// Starts writing into `capacity` bytes at `memory`; text beyond them is lost
/// and marks the writer failed.
void OpenTextWriterMemory(TextWriter* writer, char* memory, size_t capacity);

/// Writes `size` bytes, expanding each LF to CR LF.
void WriteText(TextWriter* writer, const char* text, size_t size);

/// Writes a NUL-terminated string, expanding each LF to CR LF.
void WriteTextString(TextWriter* writer, const char* text);

/// Hands everything held to the file or memory (not closing the file).
/// Returns false when any write so far has failed or fallen short.
bool FlushTextWriter(TextWriter* writer);

#endif  // SAWTALLY_PLATFORM_TEXT_FILE_H_
