#include "platform/files.h"

#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>

namespace {

constexpr int kTempAttempts = 100;

// The unfinished report to remove should the console be closed or Ctrl+C
// end the run. The handler runs on a thread of its own.
const char* volatile pendingTemp = nullptr;

BOOL WINAPI OnConsoleEnd(DWORD) {
  const char* temp = pendingTemp;
  if (temp != nullptr)
    DeleteFileA(temp);  // opened with FILE_SHARE_DELETE: gone when closed
  return FALSE;         // and let the run end as it would have
}

// Whether an existing file may be replaced: not a folder, not read-only, and
// not held open by another program that forbids it.
bool Replaceable(const char* path, DWORD attributes) {
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
    return false;
  HANDLE probe = CreateFileA(path, GENERIC_WRITE | DELETE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
  if (probe == INVALID_HANDLE_VALUE)
    return false;
  CloseHandle(probe);
  return true;
}

// Creates a new file, named after this process, in the report's folder.
HANDLE CreateTemp(ReportFile* report) {
  int folderSize = static_cast<int>(FinalComponent(report->path) - report->path);
  for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
    snprintf(report->tempPath, sizeof report->tempPath, "%.*s~sawtally-%lu-%d.tmp",
             folderSize, report->path, GetCurrentProcessId(), attempt);
    HANDLE file = CreateFileA(report->tempPath, GENERIC_WRITE, FILE_SHARE_DELETE,
                              nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
      return file;
  }
  return INVALID_HANDLE_VALUE;
}

// Creates the temporary file and opens it as a stream; null, leaving
// nothing behind, on failure.
FILE* OpenTemp(ReportFile* report) {
  HANDLE temp = CreateTemp(report);
  if (temp == INVALID_HANDLE_VALUE)
    return nullptr;
  pendingTemp = report->tempPath;
  int fd = _open_osfhandle(reinterpret_cast<intptr_t>(temp), _O_WRONLY | _O_BINARY);
  FILE* file = fd >= 0 ? _fdopen(fd, "wb") : nullptr;
  if (file == nullptr) {
    if (fd >= 0)
      _close(fd);
    else
      CloseHandle(temp);
    DeleteFileA(report->tempPath);
  }
  return file;
}

void Forget() {
  pendingTemp = nullptr;
  SetConsoleCtrlHandler(OnConsoleEnd, FALSE);
}

}  // namespace

FILE* OpenInputFile(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return nullptr;
  return fopen(path, "rb");
}

bool CreateReportFile(const char* path, ReportFile* report) {
  DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES ? !Replaceable(path, attributes)
                                            : GetLastError() != ERROR_FILE_NOT_FOUND)
    return false;
  report->path = path;
  // The handler is in place before the file exists, so no Ctrl+C can come
  // between its creation and the arrangement for its removal.
  SetConsoleCtrlHandler(OnConsoleEnd, TRUE);
  report->file = OpenTemp(report);
  if (report->file == nullptr)
    Forget();
  return report->file != nullptr;
}

bool CommitReportFile(ReportFile* report) {
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(report->file)));
  bool ok = fflush(report->file) == 0 && FlushFileBuffers(handle);
  ok = fclose(report->file) == 0 && ok;
  ok = ok && MoveFileExA(report->tempPath, report->path,
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok)
    DeleteFileA(report->tempPath);
  Forget();
  return ok;
}

void DiscardReportFile(ReportFile* report) {
  fclose(report->file);
  DeleteFileA(report->tempPath);
  Forget();
}
