#include "platform/command_line.h"

#include <string.h>
#include <windows.h>

namespace {

// Windows command lines hold at most 32,767 characters.
constexpr size_t kMaxCommandLine = 32767;

char programPath[kMaxCommandLine + 1];
char line[kMaxCommandLine + 1];
char text[SplitTextSize(kMaxCommandLine)];
char* args[SplitArgsSize(kMaxCommandLine) + 2];  // the program first, a null last

}  // namespace

// Splits the command line itself rather than take the C runtime's argv,
// whose rules differ from one runtime to the next.
void GetArguments(int* argc, char*** argv) {
  DWORD size = GetModuleFileNameA(nullptr, programPath, sizeof programPath);
  if (size == 0 || size >= sizeof programPath)
    programPath[0] = '\0';
  strncpy(line, GetCommandLineA(), kMaxCommandLine);
  args[0] = programPath;
  int count = SplitCommandLine(line, text, args + 1);
  args[count + 1] = nullptr;
  *argc = count + 1;
  *argv = args;
}
