// Runs the built program as a user does: in a pseudo-terminal that is its
// controlling terminal, pressing keys at its prompt, and records what it
// showed, what it left in its standard streams and how it ended.
#ifndef SAWTALLY_TESTS_E2E_PTY_SESSION_H_
#define SAWTALLY_TESTS_E2E_PTY_SESSION_H_

#include <string>
#include <vector>

/// What to run and how to behave at the keyboard.
struct Session {
  std::vector<std::string> args;  // the arguments after the program's path
  std::string dir;                // the working directory
  std::string key = "x";          // typed once the program waits for a key
  std::string typedAhead;         // typed before the program starts
  bool terminal = true;           // false: the program has no terminal at all
  long fileSizeLimit = -1;        // bytes a file may grow to; -1: no limit
  int signalAtPrompt = 0;         // sent instead of the key when not 0
  int signalAtTempFile = 0;       // sent once a temporary report appears
  int umask = 022;
  bool unprivileged = false;      // run as "nobody" when the tests run as root
};

/// What a session showed and how it ended.
struct Outcome {
  std::string console;     // every byte written to the terminal
  int exitCode = -1;       // -1 when ended by a signal
  int signal = 0;          // the signal that ended it, or 0
  std::string stdoutText;  // what reached standard output
  std::string stderrText;  // what reached standard error
  std::string leftover;    // typed bytes the program left unread
  bool modeRestored = false;   // the terminal's mode is as before the run
  bool keyModeSeen = false;    // echo and line editing were off at the prompt
};

/// The prompt that ends every run.
extern const char kPrompt[];

/// Runs the program (under $SAWTALLY_WRAPPER, such as valgrind, if set) and
/// returns what happened. Fails the current test on a hang.
Outcome RunSession(const Session& session);

/// Whether permissions bind this process (they do not bind root); when they
/// do not, a session asked to be unprivileged runs as "nobody" instead.
bool RunningAsRoot();

/// A fresh empty folder, removed with everything in it when destroyed.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }
  /// Writes `bytes` to the file `name` in this folder.
  void Write(const std::string& name, const std::string& bytes) const;
  /// The bytes of `name`, or "<missing>", or "<folder>".
  std::string Read(const std::string& name) const;
  /// The names in this folder, or in its subfolder `sub`, sorted.
  std::vector<std::string> List(const std::string& sub = "") const;

 private:
  std::string path_;
};

#endif  // SAWTALLY_TESTS_E2E_PTY_SESSION_H_
