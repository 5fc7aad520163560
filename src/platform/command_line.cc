#include "platform/command_line.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program's name ends at the next quote when it starts with one,
// otherwise at the first blank; backslashes mean nothing in it.
const char* SkipProgramName(const char* p) {
  if (*p == '"') {
    ++p;
    while (*p != '\0' && *p != '"')
      ++p;
    return *p == '"' ? p + 1 : p;
  }
  while (*p != '\0' && !IsBlank(*p))
    ++p;
  return p;
}

// Copies a run of backslashes. Before a quote, 2n of them give n and leave
// the quote to group; 2n+1 give n and a literal quote.
const char* CopyBackslashes(const char* p, char** out) {
  int count = 0;
  while (p[count] == '\\')
    ++count;
  int kept = p[count] == '"' ? count / 2 : count;
  for (int i = 0; i < kept; ++i)
    *(*out)++ = '\\';
  if (p[count] == '"' && count % 2 == 1) {
    *(*out)++ = '"';
    return p + count + 1;
  }
  return p + count;
}

// Copies one argument, starting at a byte that is not a blank; returns
// where the argument ends.
const char* CopyArgument(const char* p, char** out) {
  bool quoted = false;
  while (*p != '\0' && (quoted || !IsBlank(*p))) {
    if (*p == '\\') {
      p = CopyBackslashes(p, out);
    } else if (*p == '"' && quoted && p[1] == '"') {
      p += 2;  // ends the quoted part and opens another: adds nothing
    } else if (*p == '"') {
      quoted = !quoted;
      ++p;
    } else {
      *(*out)++ = *p++;
    }
  }
  *(*out)++ = '\0';
  return p;
}

}  // namespace

int SplitCommandLine(const char* line, char* text, char** args) {
  const char* p = SkipProgramName(line);
  int count = 0;
  for (;;) {
    while (IsBlank(*p))
      ++p;
    if (*p == '\0')
      return count;
    args[count++] = text;
    p = CopyArgument(p, &text);
  }
}
