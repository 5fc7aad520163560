// The console on Windows is the console window itself, reached through
// CONOUT$ and CONIN$ whatever standard output and input have been made.
#include "platform/console.h"

#include <string.h>
#include <windows.h>

namespace {

HANDLE OpenConsole(const char* name) {
  return CreateFileA(name, GENERIC_READ | GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     0, nullptr);
}

// The console window's screen, opened on first use; invalid without one.
HANDLE Screen() {
  static HANDLE screen = OpenConsole("CONOUT$");
  return screen;
}

// Whether a key press ends the wait: a key that yields a character, or a
// function, cursor or editing key. Shift, Ctrl, Alt, the lock keys, Pause
// and the Windows keys alone yield nothing and do not.
bool EndsWait(const KEY_EVENT_RECORD& key) {
  if (!key.bKeyDown)
    return false;
  if (key.uChar.AsciiChar != 0)
    return true;
  WORD code = key.wVirtualKeyCode;
  return (code >= VK_F1 && code <= VK_F12) ||
         (code >= VK_PRIOR && code <= VK_DOWN) ||  // Page Up/Down, End, Home, arrows
         code == VK_INSERT || code == VK_DELETE;
}

}  // namespace

void ConsoleWrite(const char* text, size_t size) {
  HANDLE screen = Screen();
  if (screen == INVALID_HANDLE_VALUE)
    return;
  while (size > 0) {
    DWORD chunk = size < 16384 ? static_cast<DWORD>(size) : 16384;
    DWORD written = 0;
    if (!WriteConsoleA(screen, text, chunk, &written, nullptr) || written == 0)
      return;
    text += written;
    size -= written;
  }
}

// Windows file names hold no control characters; the path goes out as is.
void ConsoleWritePath(const char* path) { ConsoleWrite(path, strlen(path)); }

void ConsoleWaitKey() {
  HANDLE keyboard = OpenConsole("CONIN$");
  DWORD saved;
  if (keyboard == INVALID_HANDLE_VALUE || GetConsoleWindow() == nullptr ||
      !GetConsoleMode(keyboard, &saved)) {
    if (keyboard != INVALID_HANDLE_VALUE)
      CloseHandle(keyboard);
    return;
  }
  SetConsoleMode(keyboard, saved & ~static_cast<DWORD>(ENABLE_ECHO_INPUT |
                                                       ENABLE_LINE_INPUT |
                                                       ENABLE_PROCESSED_INPUT));
  INPUT_RECORD record;
  DWORD got = 0;
  while (ReadConsoleInputA(keyboard, &record, 1, &got) && got == 1) {
    if (record.EventType == KEY_EVENT && EndsWait(record.Event.KeyEvent))
      break;
  }
  SetConsoleMode(keyboard, saved);
  CloseHandle(keyboard);
}
