// The program run as a user runs it, in a terminal, with its console bytes,
// exit code, standard streams and files checked whole.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "expected.h"
#include "pty_session.h"
#include "test_support.h"

namespace {

TEST(Usage, NoArgumentShowsHowToUseAndTouchesNothing) {
  TempDir dir;
  Outcome run = RunSession(At(dir, {}));
  EXPECT_EQ(run.console, kBanner + kUsage + kPrompt);
  EXPECT_EQ(run.exitCode, 3);
  ExpectCleanEnd(run);
  EXPECT_EQ(dir.List(), Names{});
}

TEST(Report, ExampleCutListGivesItsReport) {
  TempDir dir;
  dir.Write("bookcase.csv", Example());
  Outcome run = RunSession(At(dir, {"bookcase.csv"}));
  EXPECT_EQ(run.console, kBanner + ShownNames("bookcase.csv", "bookcase_MATCHED.txt") +
                             kDone + kPrompt);
  EXPECT_EQ(run.exitCode, 0);
  ExpectCleanEnd(run);
  EXPECT_EQ(dir.Read("bookcase_MATCHED.txt"), ExampleReport());
  EXPECT_EQ(dir.List(), (Names{"bookcase.csv", "bookcase_MATCHED.txt"}));
}

struct ExportCase {
  const char* name;  // tests/fixtures/inputs/<name>.csv, and its report
  int exitCode;
  bool noMatch;
};

void PrintTo(const ExportCase& c, std::ostream* os) { *os << c.name; }

// The Windows build is checked against the same reports.
const ExportCase kExports[] = {
    {"metric_cabinet", 0, false}, {"metric_cabinet_lf", 0, false},
    {"no_match", 0, true},        {"odd_rows", 0, false},
    {"too_many_rows", 5, false},  {"not_a_cut_list", 7, false},
};

class Exports : public testing::TestWithParam<ExportCase> {};

TEST_P(Exports, GiveTheirReportsByteForByte) {
  TempDir dir;
  std::string name = GetParam().name;
  dir.Write(name + ".csv", ReadSourceFile("tests/fixtures/inputs/" + name + ".csv"));
  Outcome run = RunSession(At(dir, {name + ".csv"}));
  EXPECT_EQ(run.exitCode, GetParam().exitCode);
  ExpectCleanEnd(run);
  std::string tail = GetParam().exitCode == 5   ? "TOO MANY DIMENSION ROWS\r\n\n"
                     : GetParam().exitCode == 7 ? "NO CUT LIST SECTION FOUND\r\n\n"
                     : (GetParam().noMatch ? kNoMatch : "") + kDone;
  EXPECT_EQ(run.console, kBanner + ShownNames(name + ".csv", name + "_MATCHED.txt") + tail +
                             kPrompt);
  std::string report = name + "_MATCHED.txt";
  EXPECT_EQ(dir.Read(report), GetParam().exitCode == 0
                                  ? ReadSourceFile("tests/fixtures/inputs/" + report)
                                  : "<missing>");
}

INSTANTIATE_TEST_SUITE_P(Inputs, Exports, testing::ValuesIn(kExports), CaseName());

TEST(Report, NoRepeatedDimensionShowsTheNoticeAndWritesTheReport) {
  TempDir dir;
  dir.Write("table.csv", kUnmatched);
  Outcome run = RunSession(At(dir, {"table.csv"}));
  EXPECT_EQ(run.console, kBanner + ShownNames("table.csv", "table_MATCHED.txt") + kNoMatch +
                             kDone + kPrompt);
  EXPECT_EQ(run.exitCode, 0);
  ExpectCleanEnd(run);
  EXPECT_EQ(dir.Read("table_MATCHED.txt"), kUnmatchedReport);
}

TEST(Report, ReplacesAnEarlierReportAndKeepsItsPermissions) {
  TempDir dir;
  dir.Write("bookcase.csv", Example());
  dir.Write("bookcase_MATCHED.txt", std::string(20000, 'o'));
  chmod((dir.path() + "/bookcase_MATCHED.txt").c_str(), 0640);
  Outcome run = RunSession(At(dir, {"bookcase.csv"}));
  EXPECT_EQ(run.exitCode, 0);
  ExpectCleanEnd(run);
  EXPECT_EQ(dir.Read("bookcase_MATCHED.txt"), ExampleReport());
  struct stat info;
  ASSERT_EQ(stat((dir.path() + "/bookcase_MATCHED.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(Report, NewReportGetsTheUsualPermissionsOfANewFile) {
  for (int mask : {022, 077}) {
    TempDir dir;
    dir.Write("bookcase.csv", Example());
    Session session = At(dir, {"bookcase.csv"});
    session.umask = mask;
    EXPECT_EQ(RunSession(session).exitCode, 0);
    struct stat info;
    ASSERT_EQ(stat((dir.path() + "/bookcase_MATCHED.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0666u & ~static_cast<unsigned>(mask));
  }
}

TEST(Report, LandsBesideItsInputWhenAFolderNameHasADot) {
  TempDir dir;
  ASSERT_EQ(mkdir((dir.path() + "/Work.2020").c_str(), 0755), 0);
  dir.Write("Work.2020/cabinet", Example());
  Outcome run = RunSession(At(dir, {"Work.2020/cabinet"}));
  EXPECT_EQ(run.console, kBanner +
                             ShownNames("Work.2020/cabinet", "Work.2020/cabinet_MATCHED.txt") +
                             kDone + kPrompt);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(dir.List(), Names{"Work.2020"});
  std::string report = dir.Read("Work.2020/cabinet_MATCHED.txt");
  EXPECT_EQ(report, ExampleReport().replace(ExampleReport().find("bookcase"), 8,
                                            "cabinet"));
}

TEST(Arguments, QuotedPathWithSpacesKeepsThem) {
  TempDir dir;
  dir.Write("my  desk.csv", kUnmatched);
  Outcome run = RunSession(At(dir, {"my  desk.csv"}));
  EXPECT_EQ(run.exitCode, 0);
  ExpectCleanEnd(run);
  EXPECT_EQ(dir.List(), (Names{"my  desk.csv", "my  desk_MATCHED.txt"}));
}

TEST(Arguments, PathInPiecesIsJoinedWithSingleSpaces) {
  TempDir dir;
  dir.Write("my desk.csv", kUnmatched);
  dir.Write("my  desk.csv", kUnmatched);
  Outcome run = RunSession(At(dir, {"my", "desk.csv"}));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(dir.List(), (Names{"my  desk.csv", "my desk.csv", "my desk_MATCHED.txt"}));
}

struct OpenFailureCase {
  const char* name;
  std::vector<std::string> args;
  std::string shownInput;
  std::string shownOutput;
};

void PrintTo(const OpenFailureCase& c, std::ostream* os) { *os << c.name; }

const OpenFailureCase kOpenFailures[] = {
    {"missing_input", {"missing.csv"}, "missing.csv", "missing_MATCHED.txt"},
    {"two_files_dropped_at_once", {"a.csv", "b.csv"}, "a.csv b.csv", "a.csv b_MATCHED.txt"},
    {"path_with_two_spaces_in_pieces", {"my", "desk.csv"}, "my desk.csv",
     "my desk_MATCHED.txt"},
    {"empty_argument", {""}, "", "_MATCHED.txt"},
    {"wildcard_is_not_expanded", {"*.csv"}, "*.csv", "*_MATCHED.txt"},
    {"input_is_a_folder", {"folder.csv"}, "folder.csv", "folder_MATCHED.txt"},
    {"control_bytes_shown_as_question_marks", {"new\x1b[2Jcuts\a.csv"},
     "new?[2Jcuts?.csv", "new?[2Jcuts?_MATCHED.txt"},
};

class OpenFailure : public testing::TestWithParam<OpenFailureCase> {};

TEST_P(OpenFailure, InputThatCannotBeOpenedEndsWithExitCode1) {
  TempDir dir;
  dir.Write("a.csv", kUnmatched);
  dir.Write("b.csv", kUnmatched);
  dir.Write("my  desk.csv", kUnmatched);
  ASSERT_EQ(mkdir((dir.path() + "/folder.csv").c_str(), 0755), 0);
  Names before = dir.List();
  Outcome run = RunSession(At(dir, GetParam().args));
  EXPECT_EQ(run.console, kBanner + ShownNames(GetParam().shownInput, GetParam().shownOutput) +
                             FileError("Cannot open file", GetParam().shownInput) +
                             kPrompt);
  EXPECT_EQ(run.exitCode, 1);
  ExpectCleanEnd(run);
  EXPECT_EQ(dir.List(), before);
}

INSTANTIATE_TEST_SUITE_P(Inputs, OpenFailure, testing::ValuesIn(kOpenFailures),
                         CaseName());

TEST(Arguments, PathLongerThanAnyFolderCanHoldIsRefused) {
  TempDir dir;
  std::string longPath(40000, 'p');
  Outcome run = RunSession(At(dir, {longPath}));
  std::string shown(32767, 'p');
  EXPECT_EQ(run.console, kBanner + ShownNames(shown, shown + "_MATCHED.txt") +
                             FileError("Cannot open file", shown) + kPrompt);
  EXPECT_EQ(run.exitCode, 1);
  ExpectCleanEnd(run);
}

TEST(ReadingFailure, FiftyFiveRowsAreAccepted) {
  TempDir dir;
  dir.Write("cuts.csv", CutListOf(55));
  Outcome run = RunSession(At(dir, {"cuts.csv"}));
  EXPECT_EQ(run.console, kBanner + ShownNames("cuts.csv", "cuts_MATCHED.txt") + kNoMatch +
                             kDone + kPrompt);
  EXPECT_EQ(run.exitCode, 0);
}

// A write that fails (here: the file-size limit, as a full disk would) is
// reported, and the earlier report survives.
TEST(WriteFailure, FailedWriteEndsWithExitCode6AndKeepsTheEarlierReport) {
  TempDir dir;
  dir.Write("bookcase.csv", Example());
  dir.Write("bookcase_MATCHED.txt", "earlier report");
  Session session = At(dir, {"bookcase.csv"});
  session.fileSizeLimit = 200;
  Outcome run = RunSession(session);
  EXPECT_EQ(run.console, kBanner + ShownNames("bookcase.csv", "bookcase_MATCHED.txt") +
                             FileError("Cannot write file", "bookcase_MATCHED.txt") +
                             kPrompt);
  EXPECT_EQ(run.exitCode, 6);
  ExpectCleanEnd(run);
  EXPECT_EQ(dir.Read("bookcase_MATCHED.txt"), "earlier report");
  EXPECT_EQ(dir.List(), (Names{"bookcase.csv", "bookcase_MATCHED.txt"}));
}

struct KeyCase {
  const char* name;
  std::string key;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

const KeyCase kKeys[] = {
    {"letter", "x"},          {"enter", "\r"},         {"space", " "},
    {"ctrl_c", "\x03"},       {"ctrl_s", "\x13"},      {"ctrl_q", "\x11"},
    {"ctrl_z", "\x1a"},       {"ctrl_backslash", "\x1c"}, {"ctrl_d", "\x04"},
    {"escape", "\x1b"},       {"cursor_up", "\x1b[A"}, {"cursor_up_app", "\x1bOA"},
    {"f1", "\x1bOP"},         {"f5", "\x1b[15~"},      {"f12", "\x1b[24~"},
    {"delete", "\x1b[3~"},    {"page_down", "\x1b[6~"}, {"ctrl_right", "\x1b[1;5C"},
    {"linux_console_f1", "\x1b[[A"},
};

class KeyPress : public testing::TestWithParam<KeyCase> {};

// Every key ends the wait as an ordinary key; a key's whole escape sequence
// is read, so none of it reaches the shell afterwards.
TEST_P(KeyPress, EndsTheWaitAndLeavesNothingBehind) {
  TempDir dir;
  Session session = At(dir, {});
  session.key = GetParam().key;
  Outcome run = RunSession(session);
  EXPECT_EQ(run.console, kBanner + kUsage + kPrompt);
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_EQ(run.signal, 0);
  ExpectCleanEnd(run);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyPress, testing::ValuesIn(kKeys), CaseName());

TEST(KeyPress, KeyTypedBeforeThePromptCounts) {
  TempDir dir;
  Session session = At(dir, {});
  session.typedAhead = "q";
  session.key = "";
  Outcome run = RunSession(session);
  EXPECT_EQ(run.console, "q" + kBanner + kUsage + kPrompt);  // the terminal's echo
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_TRUE(run.modeRestored);
  EXPECT_EQ(run.leftover, "");
}

TEST(KeyPress, TerminalModeIsRestoredWhenEndedBySignalWhileWaiting) {
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    TempDir dir;
    Session session = At(dir, {});
    session.signalAtPrompt = signal;
    Outcome run = RunSession(session);
    EXPECT_EQ(run.signal, signal);
    EXPECT_TRUE(run.keyModeSeen);
    EXPECT_TRUE(run.modeRestored) << "after signal " << signal;
  }
}

// Interrupted while it reads (here: waiting on a pipe that sends nothing),
// the program removes its unfinished report and leaves the earlier one.
TEST(KeyPress, InterruptWhileReadingLeavesNoTrace) {
  TempDir dir;
  std::string input = dir.path() + "/cuts.csv";
  ASSERT_EQ(mkfifo(input.c_str(), 0644), 0);
  int pipe = open(input.c_str(), O_RDWR);  // lets the program open it at once
  ASSERT_GE(pipe, 0);
  dir.Write("cuts_MATCHED.txt", "earlier report");
  Session session = At(dir, {"cuts.csv"});
  session.signalAtTempFile = SIGINT;
  Outcome run = RunSession(session);
  close(pipe);
  EXPECT_EQ(run.signal, SIGINT);
  EXPECT_EQ(run.console, kBanner + ShownNames("cuts.csv", "cuts_MATCHED.txt"));
  EXPECT_EQ(dir.List(), (Names{"cuts.csv", "cuts_MATCHED.txt"}));
  EXPECT_EQ(dir.Read("cuts_MATCHED.txt"), "earlier report");
}

TEST(NoTerminal, RunsToItsEndWithoutWaitingOrWriting) {
  TempDir dir;
  dir.Write("bookcase.csv", Example());
  Session session = At(dir, {"bookcase.csv"});
  session.terminal = false;
  Outcome run = RunSession(session);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.stdoutText, "");
  EXPECT_EQ(run.stderrText, "");
  EXPECT_EQ(dir.Read("bookcase_MATCHED.txt"), ExampleReport());
}

}  // namespace
