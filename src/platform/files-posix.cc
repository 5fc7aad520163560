#include "platform/files.h"

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/signals-posix.h"

namespace {

// Tries this many names before giving up on a folder full of stale ones.
constexpr int kTempAttempts = 100;

// The temporary file to remove should the process be ended by a signal.
const char* pendingTemp = nullptr;

void RemovePendingTemp() {
  if (pendingTemp != nullptr)
    unlink(pendingTemp);
}

// Whether an existing file at `path` may be replaced: a regular file that has
// a write permission bit (also for root, who could write to any file) and
// that this process can open for writing.
bool Replaceable(const char* path, const struct stat& existing) {
  if (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0)
    return false;
  int probe = open(path, O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (probe < 0)
    return false;
  close(probe);
  return true;
}

// Creates a new file, named after this process, in the folder of
// `report->path`. Returns its descriptor, or -1.
int CreateTemp(ReportFile* report) {
  int folderSize = static_cast<int>(FinalComponent(report->path) - report->path);
  for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
    snprintf(report->tempPath, sizeof report->tempPath, "%.*s.sawtally-%ld-%d.tmp",
             folderSize, report->path, static_cast<long>(getpid()), attempt);
    int fd = open(report->tempPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
  return -1;
}

}  // namespace

FILE* OpenInputFile(const char* path) {
  int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return nullptr;
  struct stat info;
  FILE* file = nullptr;
  if (fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode))
    file = fdopen(fd, "rb");
  if (file == nullptr)
    close(fd);
  return file;
}

// Makes the temporary file, with the permissions of the report it will
// replace, and opens it as a stream; false, leaving nothing, on failure.
static bool OpenTemp(ReportFile* report, const struct stat* existing) {
  int fd = CreateTemp(report);
  if (fd < 0)
    return false;
  if (existing != nullptr) {
    if (fchown(fd, existing->st_uid, existing->st_gid) != 0) {
      // Only root can hand a file to another owner; the new file stays ours.
    }
    fchmod(fd, existing->st_mode & 07777);
  }
  report->file = fdopen(fd, "wb");
  if (report->file == nullptr) {
    close(fd);
    unlink(report->tempPath);
    return false;
  }
  return true;
}

bool CreateReportFile(const char* path, ReportFile* report) {
  struct stat existing;
  bool exists = stat(path, &existing) == 0;
  if (exists ? !Replaceable(path, existing) : errno != ENOENT)
    return false;
  report->path = path;
  // A signal between creating the file and arranging its removal would
  // leave it behind: hold signals until both are done.
  HoldFatalSignals(true);
  bool opened = OpenTemp(report, exists ? &existing : nullptr);
  if (opened) {
    pendingTemp = report->tempPath;
    CatchFatalSignals(RemovePendingTemp);
  }
  HoldFatalSignals(false);
  return opened;
}

bool CommitReportFile(ReportFile* report) {
  bool ok = fflush(report->file) == 0 && fsync(fileno(report->file)) == 0;
  ok = fclose(report->file) == 0 && ok;
  ok = ok && rename(report->tempPath, report->path) == 0;
  if (!ok)
    unlink(report->tempPath);
  ReleaseFatalSignals();
  pendingTemp = nullptr;
  return ok;
}

void DiscardReportFile(ReportFile* report) {
  fclose(report->file);
  unlink(report->tempPath);
  ReleaseFatalSignals();
  pendingTemp = nullptr;
}
