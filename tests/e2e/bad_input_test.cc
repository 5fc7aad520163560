// Whatever a user drops on the program, it ends with its message and exit
// code, and no file that was there before changes.
#include <errno.h>
#include <string.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected.h"
#include "pty_session.h"
#include "test_support.h"

namespace {

const std::string kEarlier = "earlier report";
const std::string kNotACutList = "NO CUT LIST SECTION FOUND\r\n\n";
const std::string kTooMany = "TOO MANY DIMENSION ROWS\r\n\n";

// The example's report as it is named for cuts.csv.
std::string CutsReport() {
  std::string report = ExampleReport();
  return report.replace(report.find("bookcase_MATCHED.txt"), 20, "cuts_MATCHED.txt");
}

// Every file in the folder with its bytes, so that a run can be shown to
// have changed nothing (or only its report).
std::map<std::string, std::string> Snapshot(const TempDir& dir) {
  std::map<std::string, std::string> files;
  for (const std::string& name : dir.List())
    files[name] = dir.Read(name);
  return files;
}

std::string Binary() {
  std::string bytes;
  for (unsigned i = 0; bytes.size() < 64 * 1024; ++i) {
    char byte = static_cast<char>((i * 131 + (i >> 8)) & 0xFF);
    if (byte != '\n' && byte != 0x1A)
      bytes += byte;
  }
  return bytes;
}

struct BadInputCase {
  const char* name;
  std::function<void(const TempDir&)> setup;  // makes the input, and more
  int exitCode;
  std::string shown;   // the console between the names and the prompt
  std::string report;  // what cuts_MATCHED.txt then holds, or "<missing>"
  std::string input = "cuts.csv";
  bool unprivileged = false;  // the case needs permissions that bind
};

void PrintTo(const BadInputCase& c, std::ostream* os) { *os << c.name; }

std::function<void(const TempDir&)> Input(std::function<std::string()> bytes) {
  return [bytes](const TempDir& dir) { dir.Write("cuts.csv", bytes()); };
}

// Gives "nobody" the folder and its files, then sets the folder's mode.
void OpenTo(const TempDir& dir, mode_t folderMode) {
  for (const std::string& name : dir.List())
    chmod((dir.path() + "/" + name).c_str(), 0666);
  chmod(dir.path().c_str(), folderMode);
}

const BadInputCase kCases[] = {
    {"empty_file", Input([] { return ""; }), 7, kNotACutList, kEarlier},
    {"binary_with_nul_bytes_and_no_lf", Input(Binary), 7, kNotACutList, kEarlier},
    {"ten_mb_line", Input([] { return std::string(10 << 20, 'x'); }), 7,
     kNotACutList, kEarlier},
    {"ten_mb_line_then_a_cut_list",
     Input([] { return std::string(10 << 20, 'x') + "\r\n" + Example(); }), 0, kDone,
     CutsReport()},
    {"cr_bytes_only", Input([] { return std::string(1 << 20, '\r'); }), 7,
     kNotACutList, kEarlier},
    {"ctrl_z_first", Input([] { return "\x1a" + Example(); }), 7, kNotACutList,
     kEarlier},
    {"heading_then_end_of_input", Input([] { return "Components"; }), 0,
     kNoMatch + kDone, CutsReport().substr(0, CutsReport().find("C-001"))},
    {"fifty_six_rows", Input([] { return CutListOf(56); }), 5, kTooMany, kEarlier},
    {"five_hundred_sections",
     Input([] {
       std::string text;
       for (int i = 0; i < 250; ++i)
         text += Example();
       return text;
     }),
     0, kDone, CutsReport()},
    {"its_own_report_fed_back", Input(ExampleReport), 7, kNotACutList, kEarlier},
    {"input_is_a_folder",
     [](const TempDir& dir) { mkdir((dir.path() + "/cuts.csv").c_str(), 0755); }, 1,
     FileError("Cannot open file", "cuts.csv"), kEarlier},
    {"unreadable_input",
     [](const TempDir& dir) {
       dir.Write("cuts.csv", Example());
       dir.Write("cuts_MATCHED.txt", kEarlier);
       OpenTo(dir, 0777);
       chmod((dir.path() + "/cuts.csv").c_str(), 0);
     },
     1, FileError("Cannot open file", "cuts.csv"), kEarlier, "cuts.csv", true},
    {"path_of_5000_bytes", [](const TempDir&) {}, 1,
     FileError("Cannot open file", std::string(4996, 'd') + ".csv"), kEarlier,
     std::string(4996, 'd') + ".csv"},
    {"report_name_is_a_folder",
     [](const TempDir& dir) {
       dir.Write("cuts.csv", Example());
       mkdir((dir.path() + "/cuts_MATCHED.txt").c_str(), 0755);
     },
     2, FileError("Cannot open file", "cuts_MATCHED.txt"), "<folder>"},
    {"read_only_report",
     [](const TempDir& dir) {
       dir.Write("cuts.csv", Example());
       dir.Write("cuts_MATCHED.txt", kEarlier);
       chmod((dir.path() + "/cuts_MATCHED.txt").c_str(), 0444);
     },
     2, FileError("Cannot open file", "cuts_MATCHED.txt"), kEarlier},
    {"report_folder_without_write_permission",
     [](const TempDir& dir) {
       dir.Write("cuts.csv", Example());
       dir.Write("cuts_MATCHED.txt", kEarlier);
       OpenTo(dir, 0555);
     },
     2, FileError("Cannot open file", "cuts_MATCHED.txt"), kEarlier, "cuts.csv", true},
};

class BadInput : public testing::TestWithParam<BadInputCase> {};

TEST_P(BadInput, EndsWithItsMessageAndChangesNoFile) {
  const BadInputCase& c = GetParam();
  TempDir dir;
  c.setup(dir);
  if (c.report == kEarlier && dir.Read("cuts_MATCHED.txt") == "<missing>")
    dir.Write("cuts_MATCHED.txt", kEarlier);
  std::map<std::string, std::string> before = Snapshot(dir);
  Session session = At(dir, {c.input});
  session.unprivileged = c.unprivileged;
  Outcome run = RunSession(session);

  std::string stem = c.input.substr(0, c.input.rfind('.'));
  EXPECT_EQ(run.console, kBanner + ShownNames(c.input, stem + "_MATCHED.txt") + c.shown +
                             kPrompt);
  EXPECT_EQ(run.exitCode, c.exitCode);
  ExpectCleanEnd(run);
  chmod(dir.path().c_str(), 0700);
  chmod((dir.path() + "/cuts.csv").c_str(), 0600);
  EXPECT_TRUE(dir.Read("cuts_MATCHED.txt") == c.report)  // may be megabytes
      << "the report holds " << dir.Read("cuts_MATCHED.txt").size() << " bytes";
  std::map<std::string, std::string> after = Snapshot(dir);
  if (c.exitCode == 0)
    before["cuts_MATCHED.txt"] = c.report;
  before.erase("cuts.csv");  // its mode was changed back above
  after.erase("cuts.csv");
  EXPECT_TRUE(after == before) << "files were added, removed or changed";
}

INSTANTIATE_TEST_SUITE_P(Inputs, BadInput, testing::ValuesIn(kCases), CaseName());

// Unmounts a file system when the test ends, however it ends.
struct Mounted {
  std::string path;
  ~Mounted() { umount(path.c_str()); }
};

// A disk that fills up while the report is written. It needs a small
// file system of its own, which only root may mount.
TEST(DiskFull, FailedWriteEndsWithExitCode6AndKeepsTheEarlierReport) {
  TempDir dir;
  std::string disk = dir.path() + "/disk";
  ASSERT_EQ(mkdir(disk.c_str(), 0755), 0);
  // Three pages: the cut list, the earlier report and one free page, too
  // few for a report of 55 rows (about 4.2 KiB).
  if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=12k") != 0)
    GTEST_SKIP() << "SKIPPED: cannot mount a small tmpfs here (" << strerror(errno)
                 << "); the write failure is also tested under a file-size limit";
  Mounted mounted{disk};
  dir.Write("disk/cuts.csv", CutListOf(55));
  dir.Write("disk/cuts_MATCHED.txt", kEarlier);
  Outcome run = RunSession(At(dir, {"disk/cuts.csv"}));
  EXPECT_EQ(run.console, kBanner + ShownNames("disk/cuts.csv", "disk/cuts_MATCHED.txt") +
                             kNoMatch +
                             FileError("Cannot write file", "disk/cuts_MATCHED.txt") +
                             kPrompt);
  EXPECT_EQ(run.exitCode, 6);
  ExpectCleanEnd(run);
  EXPECT_EQ(dir.Read("disk/cuts_MATCHED.txt"), kEarlier);
  EXPECT_EQ(dir.List("disk"), (Names{"cuts.csv", "cuts_MATCHED.txt"}));
}

}  // namespace
