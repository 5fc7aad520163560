// Opening the cut list, and writing the report so that it appears whole or
// not at all: it is written to a temporary file beside its final name and
// moved over that name only once it is complete.
#ifndef SAWTALLY_PLATFORM_FILES_H_
#define SAWTALLY_PLATFORM_FILES_H_

#include <stdio.h>

#include "platform/path.h"

/// Room for a temporary file's path: the report's folder and a short name.
constexpr size_t kTempPathSize = kOutputPathSize + 64;

/// A report being written.
struct ReportFile {
  FILE* file;                   // the temporary file, open in binary mode
  const char* path;             // the report's own name
  char tempPath[kTempPathSize]; // the temporary file's name
};

/// Opens an existing file for reading in binary mode. Returns null when it
/// cannot be opened or is a folder.
FILE* OpenInputFile(const char* path);

/// Starts a report at `path` (which must outlive it) as a new temporary file
/// in the same folder. Fails, changing nothing, when no file can be created
/// there or an existing `path` cannot be replaced (read-only, a folder).
bool CreateReportFile(const char* path, ReportFile* report);

/// Makes the finished report durable and moves it over `path`, which gets the
/// permissions of the file it replaces. On any failure the temporary file is
/// removed, an earlier report stays as it was, and it returns false.
bool CommitReportFile(ReportFile* report);

/// Closes and removes the temporary file; an earlier report stays as it was.
void DiscardReportFile(ReportFile* report);

#endif  // SAWTALLY_PLATFORM_FILES_H_
