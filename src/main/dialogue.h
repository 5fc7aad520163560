// What the program says in its console window.
#ifndef SAWTALLY_MAIN_DIALOGUE_H_
#define SAWTALLY_MAIN_DIALOGUE_H_

/// The three-line notice shown when no length or width occurs twice.
extern const char kNoMatchNotice[];
/// The line that closes a successful run.
extern const char kDoneLine[];

/// Writes the banner: the program's name and revision, the attribution and
/// what the program does.
void ShowBanner();

/// Writes the thirteen lines that explain how to use the program.
void ShowUsage();

/// Writes "Press any key to exit ..." and waits for one key press, which is
/// neither shown nor used; returns at once without a console.
void WaitForKey();

/// Writes one of the program's fixed texts, line ends included.
void ShowText(const char* text);

/// Writes `heading`, then `path` on a line of its own and an empty line.
void ShowPath(const char* heading, const char* path);

/// Writes an empty line end, then `message` "`path`" and an empty line.
void ShowFileError(const char* message, const char* path);

#endif  // SAWTALLY_MAIN_DIALOGUE_H_
