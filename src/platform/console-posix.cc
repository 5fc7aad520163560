// The console on POSIX systems is the controlling terminal, /dev/tty.
#include "platform/console.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include "platform/signals-posix.h"

namespace {

constexpr int kNotOpened = -2;
constexpr char kEscape = 0x1B;
// The bytes of one key's escape sequence arrive together; a lone Esc key is
// followed by nothing for much longer than this.
constexpr int kSequenceGapMs = 50;

int terminalFd = kNotOpened;
struct termios savedMode;

// The terminal, opened on first use; -1 when the process has none.
int Terminal() {
  if (terminalFd == kNotOpened)
    terminalFd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  return terminalFd;
}

void RestoreMode() { tcsetattr(terminalFd, TCSANOW, &savedMode); }

// Reads one byte, waiting at most `timeoutMs` (-1: for ever). Returns the
// byte, or -1 when none came or the terminal is gone.
int ReadByte(int timeoutMs) {
  struct pollfd ready = {terminalFd, POLLIN, 0};
  unsigned char byte;
  for (;;) {
    int polled = poll(&ready, 1, timeoutMs);
    if (polled < 0 && errno == EINTR)
      continue;
    if (polled <= 0)
      return -1;
    ssize_t got = read(terminalFd, &byte, 1);
    if (got < 0 && errno == EINTR)
      continue;
    return got == 1 ? byte : -1;
  }
}

// Swallows the rest of a function, cursor or editing key's sequence (ESC [
// ... final, ESC O x, the Linux console's ESC [ [ x) so none of it reaches
// the shell after the program ends. A lone Esc has nothing after it.
void SkipEscapeSequence() {
  int byte = ReadByte(kSequenceGapMs);
  if (byte == 'O') {
    ReadByte(kSequenceGapMs);
  } else if (byte == '[') {
    byte = ReadByte(kSequenceGapMs);
    if (byte == '[') {
      ReadByte(kSequenceGapMs);
      return;
    }
    while (byte >= 0 && (byte < 0x40 || byte > 0x7E))
      byte = ReadByte(kSequenceGapMs);
  }
}

// Sets a copy of `mode` that hands over each key at once, unechoed, with
// Ctrl+C, Ctrl+Z, Ctrl+S and Ctrl+Q as ordinary keys.
void SetKeyMode(const struct termios& mode) {
  struct termios raw = mode;
  raw.c_lflag &= ~(ECHO | ICANON | ISIG | IEXTEN);
  raw.c_iflag &= ~(IXON | ICRNL | INLCR | IGNCR);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  tcsetattr(terminalFd, TCSANOW, &raw);  // TCSANOW: typed keys stay queued
}

}  // namespace

void ConsoleWrite(const char* text, size_t size) {
  if (Terminal() < 0)
    return;
  while (size > 0) {
    ssize_t written = write(terminalFd, text, size);
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      return;
    text += written;
    size -= static_cast<size_t>(written);
  }
}

void ConsoleWritePath(const char* path) {
  char chunk[256];
  size_t used = 0;
  for (const char* p = path; *p != '\0'; ++p) {
    unsigned char byte = static_cast<unsigned char>(*p);
    chunk[used++] = byte < 0x20 || byte == 0x7F ? '?' : *p;
    if (used == sizeof chunk) {
      ConsoleWrite(chunk, used);
      used = 0;
    }
  }
  ConsoleWrite(chunk, used);
}

void ConsoleWaitKey() {
  if (Terminal() < 0 || tcgetattr(terminalFd, &savedMode) != 0)
    return;
  CatchFatalSignals(RestoreMode);
  SetKeyMode(savedMode);
  if (ReadByte(-1) == kEscape)
    SkipEscapeSequence();
  RestoreMode();
  ReleaseFatalSignals();
}
