// The console window: where every message goes and where the key is read.
// Never standard output or standard error, so redirecting them changes
// nothing on screen. Without a console, text is lost and waits end at once.
#ifndef SAWTALLY_PLATFORM_CONSOLE_H_
#define SAWTALLY_PLATFORM_CONSOLE_H_

#include <stddef.h>

/// Writes `size` bytes at the console's cursor, unchanged; they are on
/// screen when it returns. Without a console they are lost.
void ConsoleWrite(const char* text, size_t size);

/// Writes a path that came from the command line. Where the console is a
/// terminal, control bytes show as '?' so a file name cannot steer it.
void ConsoleWritePath(const char* path);

/// Waits for one key press on the console keyboard, with echo, line editing
/// and Ctrl+C handling off; keys typed earlier count. The console's mode is
/// restored afterwards. Returns at once without a console.
void ConsoleWaitKey();

#endif  // SAWTALLY_PLATFORM_CONSOLE_H_
