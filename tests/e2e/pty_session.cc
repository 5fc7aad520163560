#include "pty_session.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <ftw.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>

#include <gtest/gtest.h>

const char kPrompt[] = "Press any key to exit ...";

namespace {

// Long enough for a run under valgrind on a slow machine.
constexpr int kSessionSeconds = 120;
constexpr int kPollMs = 10;

double Now() {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec + now.tv_nsec / 1e9;
}

std::string ReadAll(int fd) {
  std::string text;
  char block[4096];
  lseek(fd, 0, SEEK_SET);
  ssize_t got;
  while ((got = read(fd, block, sizeof block)) > 0)
    text.append(block, got);
  return text;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The command line: the wrapper's words, if any, then the program and its
// arguments.
std::vector<std::string> CommandLine(const Session& session) {
  std::vector<std::string> words;
  if (const char* wrapper = getenv("SAWTALLY_WRAPPER")) {
    std::string word;
    for (const char* p = wrapper;; ++p) {
      if (*p == ' ' || *p == '\0') {
        if (!word.empty())
          words.push_back(word);
        word.clear();
        if (*p == '\0')
          break;
      } else {
        word += *p;
      }
    }
  }
  words.push_back(SAWTALLY_PROGRAM);
  words.insert(words.end(), session.args.begin(), session.args.end());
  return words;
}

// In the child: becomes the program, with the terminal (or none) and the
// standard streams the session asks for. Never returns.
[[noreturn]] void StartProgram(const Session& session, int terminal, int out,
                               int err) {
  setsid();
  int in = terminal;
  if (terminal >= 0)
    ioctl(terminal, TIOCSCTTY, 0);
  else
    in = open("/dev/null", O_RDONLY);
  dup2(in, 0);
  dup2(out, 1);
  dup2(err, 2);
  if (session.fileSizeLimit >= 0) {
    struct rlimit limit = {static_cast<rlim_t>(session.fileSizeLimit),
                           static_cast<rlim_t>(session.fileSizeLimit)};
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG
  }
  umask(session.umask);
  // Start as a shell starts a program: no signal held back or ignored,
  // whatever the test runner itself was started with.
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  for (int fatal : {SIGHUP, SIGINT, SIGTERM, SIGQUIT})
    signal(fatal, SIG_DFL);
  if (session.unprivileged && RunningAsRoot()) {
    constexpr uid_t kNobody = 65534;
    if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
      _exit(125);
  }
  if (chdir(session.dir.c_str()) != 0)
    _exit(126);
  std::vector<std::string> words = CommandLine(session);
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(&word[0]);
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

// Waits until the terminal is in the program's key mode (no echo, no line
// editing), so that a key sent now is read as a key press.
bool AwaitKeyMode(int master) {
  for (double end = Now() + 10; Now() < end; usleep(1000)) {
    struct termios mode;
    if (tcgetattr(master, &mode) == 0 && !(mode.c_lflag & (ICANON | ECHO)))
      return true;
  }
  return false;
}

// Appends whatever the terminal has for us within `ms` milliseconds.
void Collect(int master, int ms, std::string* console) {
  struct pollfd ready = {master, POLLIN, 0};
  if (poll(&ready, 1, ms) <= 0)
    return;
  char block[4096];
  ssize_t got = read(master, block, sizeof block);
  if (got > 0)
    console->append(block, got);
}

// Whether `dir` holds a report still being written.
bool HasTempFile(const std::string& dir) {
  DIR* folder = opendir(dir.c_str());
  bool found = false;
  while (struct dirent* entry = folder != nullptr ? readdir(folder) : nullptr)
    found = found || strncmp(entry->d_name, ".sawtally-", 10) == 0;
  if (folder != nullptr)
    closedir(folder);
  return found;
}

// Plays the user until the program ends; returns its wait status.
int Converse(const Session& session, pid_t pid, int master, Outcome* outcome) {
  bool answered = false;
  int status = 0;
  for (double end = Now() + kSessionSeconds;;) {
    if (master >= 0)
      Collect(master, kPollMs, &outcome->console);
    else
      usleep(kPollMs * 1000);
    if (waitpid(pid, &status, WNOHANG) == pid)
      break;
    if (session.signalAtTempFile != 0 && !answered && HasTempFile(session.dir)) {
      answered = true;
      kill(pid, session.signalAtTempFile);
    }
    if (master >= 0 && !answered && EndsWith(outcome->console, kPrompt)) {
      answered = true;
      outcome->keyModeSeen = AwaitKeyMode(master);
      if (session.signalAtPrompt != 0)
        kill(pid, session.signalAtPrompt);
      else if (write(master, session.key.data(), session.key.size()) < 0)
        ADD_FAILURE() << "cannot type at the prompt";
    }
    if (Now() > end) {
      ADD_FAILURE() << "the program hung; it showed: " << outcome->console;
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
  }
  while (master >= 0) {
    size_t before = outcome->console.size();
    Collect(master, 0, &outcome->console);
    if (outcome->console.size() == before)
      break;
  }
  return status;
}

// Reads what the program left unread of the typed keys.
std::string Leftover(int terminal) {
  struct termios mode;
  tcgetattr(terminal, &mode);
  cfmakeraw(&mode);
  mode.c_cc[VMIN] = 0;
  mode.c_cc[VTIME] = 0;
  tcsetattr(terminal, TCSANOW, &mode);
  std::string left;
  char block[256];
  ssize_t got;
  while ((got = read(terminal, block, sizeof block)) > 0)
    left.append(block, got);
  return left;
}

bool SameMode(const struct termios& a, const struct termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag &&
         a.c_lflag == b.c_lflag && a.c_cflag == b.c_cflag &&
         memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

}  // namespace

bool RunningAsRoot() { return geteuid() == 0; }

Outcome RunSession(const Session& session) {
  Outcome outcome;
  int master = -1, terminal = -1;
  struct termios initial;
  if (session.terminal) {
    struct winsize size = {25, 80, 0, 0};
    if (openpty(&master, &terminal, nullptr, nullptr, &size) != 0) {
      ADD_FAILURE() << "openpty failed";
      return outcome;
    }
    tcgetattr(terminal, &initial);
    initial.c_oflag &= ~OPOST;  // record the bytes exactly as written
    tcsetattr(terminal, TCSANOW, &initial);
    if (!session.typedAhead.empty() &&
        write(master, session.typedAhead.data(), session.typedAhead.size()) < 0)
      ADD_FAILURE() << "cannot type ahead";
  }
  FILE* out = tmpfile();
  FILE* err = tmpfile();
  pid_t pid = fork();
  if (pid == 0)
    StartProgram(session, terminal, fileno(out), fileno(err));
  int status = Converse(session, pid, master, &outcome);
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  outcome.stdoutText = ReadAll(fileno(out));
  outcome.stderrText = ReadAll(fileno(err));
  fclose(out);
  fclose(err);
  if (session.terminal) {
    struct termios after;
    tcgetattr(terminal, &after);
    outcome.modeRestored = SameMode(initial, after);
    outcome.leftover = Leftover(terminal);
    close(master);
    close(terminal);
  }
  return outcome;
}

TempDir::TempDir() {
  const char* base = getenv("TMPDIR");
  std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/sawtally-e2e-XXXXXX";
  char* made = mkdtemp(&pattern[0]);
  EXPECT_NE(made, nullptr);
  path_ = pattern;
}

static int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
  chmod(path, 0700);  // a test may have taken the permissions away
  return remove(path);
}

TempDir::~TempDir() {
  chmod(path_.c_str(), 0700);
  nftw(path_.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
  FILE* file = fopen((path_ + "/" + name).c_str(), "wb");
  ASSERT_NE(file, nullptr) << name;
  fwrite(bytes.data(), 1, bytes.size(), file);
  fclose(file);
}

std::string TempDir::Read(const std::string& name) const {
  std::string path = path_ + "/" + name;
  struct stat info;
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    return "<folder>";
  int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0)
    return "<missing>";
  std::string bytes = ReadAll(fd);
  close(fd);
  return bytes;
}

std::vector<std::string> TempDir::List(const std::string& sub) const {
  std::vector<std::string> names;
  DIR* dir = opendir((sub.empty() ? path_ : path_ + "/" + sub).c_str());
  if (dir == nullptr)
    return names;
  while (struct dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name != "." && name != "..")
      names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}
