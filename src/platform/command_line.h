// The program's arguments, as the platform delivers them.
#ifndef SAWTALLY_PLATFORM_COMMAND_LINE_H_
#define SAWTALLY_PLATFORM_COMMAND_LINE_H_

#include <stddef.h>

/// Sets `argc` and `argv` to the program's arguments, its own path first.
/// On Windows they are split from the command line by SplitCommandLine, so
/// that every C runtime gives the same list; elsewhere the shell has split
/// them and `argv` stays as it arrived.
void GetArguments(int* argc, char*** argv);

/// Splits a Windows command line after its first word (the program's name):
/// blanks separate arguments outside double quotes, quotes group and are
/// dropped, "" inside quotes adds nothing, 2n backslashes before a quote give
/// n and the quote groups, 2n+1 give n and a literal quote, and no wildcard
/// is expanded. Stores each argument NUL-terminated in `text` and a pointer
/// to it in `args`, and returns their number. With `text` and `args` sized by
/// SplitTextSize and SplitArgsSize for this `line`, everything fits.
int SplitCommandLine(const char* line, char* text, char** args);

/// Bytes of `text` that SplitCommandLine needs for a line of `lineLength`.
constexpr size_t SplitTextSize(size_t lineLength) { return lineLength + 1; }

/// Entries of `args` that SplitCommandLine needs for a line of `lineLength`.
constexpr size_t SplitArgsSize(size_t lineLength) { return lineLength / 2 + 1; }

#endif  // SAWTALLY_PLATFORM_COMMAND_LINE_H_
