// What the program shows and writes, spelled out byte for byte, and the
// helpers that the end-to-end tests share.
#ifndef SAWTALLY_TESTS_E2E_EXPECTED_H_
#define SAWTALLY_TESTS_E2E_EXPECTED_H_

#include <string>
#include <vector>

#include "pty_session.h"

using Names = std::vector<std::string>;

/// The banner that opens every run.
extern const std::string kBanner;
/// The usage screen shown without an argument.
extern const std::string kUsage;
/// The end of a successful run, before the prompt.
extern const std::string kDone;
/// The notice shown when no dimension repeats.
extern const std::string kNoMatch;
/// A cut list without a repeated dimension, and its report for table.csv.
extern const char kUnmatched[];
extern const char kUnmatchedReport[];

/// The INPUT FILE and OUTPUT FILE lines.
std::string ShownNames(const std::string& input, const std::string& output);

/// A file error: an empty line end, `message` "`path`", an empty line.
std::string FileError(const char* message, const std::string& path);

/// Checks what every run must hold: nothing on standard output or standard
/// error, the terminal as it was, the key mode seen, no typed byte left over.
void ExpectCleanEnd(const Outcome& outcome);

/// A session in `dir` with these arguments, pressing "x" at the prompt.
Session At(const TempDir& dir, const std::vector<std::string>& args);

/// The bundled example and the report it gives.
std::string Example();
std::string ExampleReport();

/// A cut list with `rows` rows, none of whose dimensions repeat.
std::string CutListOf(int rows);

#endif  // SAWTALLY_TESTS_E2E_EXPECTED_H_
