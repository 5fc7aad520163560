// The key wait on a real Windows console: events are queued into the
// console's input buffer, as the keyboard would, before the wait begins.
// Needs a console; the Wine end-to-end script runs it in one.
#include "platform/console.h"

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

HANDLE Keyboard() {
  static HANDLE keyboard =
      CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  return keyboard;
}

INPUT_RECORD Key(WORD code, char character, bool down = true) {
  INPUT_RECORD record = {};
  record.EventType = KEY_EVENT;
  record.Event.KeyEvent.bKeyDown = down;
  record.Event.KeyEvent.wRepeatCount = 1;
  record.Event.KeyEvent.wVirtualKeyCode = code;
  record.Event.KeyEvent.uChar.AsciiChar = character;
  return record;
}

INPUT_RECORD Mouse() {
  INPUT_RECORD record = {};
  record.EventType = MOUSE_EVENT;
  record.Event.MouseEvent.dwButtonState = FROM_LEFT_1ST_BUTTON_PRESSED;
  return record;
}

INPUT_RECORD Focus() {
  INPUT_RECORD record = {};
  record.EventType = FOCUS_EVENT;
  record.Event.FocusEvent.bSetFocus = TRUE;
  return record;
}

// The marker queued after the events under test: what is left of the queue
// after the wait shows which event ended it.
const INPUT_RECORD kMarker = Key('Z', 'z');

// Queues `events` and the marker, waits, and returns how many events the
// wait left unread. They are queued with Ctrl+C handling off, as it is
// during the wait: otherwise the console would take a queued Ctrl+C as the
// signal to end the process.
DWORD LeftAfterWait(const std::vector<INPUT_RECORD>& events) {
  FlushConsoleInputBuffer(Keyboard());
  std::vector<INPUT_RECORD> queue = events;
  queue.push_back(kMarker);
  DWORD mode = 0;
  GetConsoleMode(Keyboard(), &mode);
  SetConsoleMode(Keyboard(), mode & ~static_cast<DWORD>(ENABLE_PROCESSED_INPUT));
  DWORD written = 0;
  WriteConsoleInputA(Keyboard(), queue.data(), static_cast<DWORD>(queue.size()),
                     &written);
  SetConsoleMode(Keyboard(), mode);
  EXPECT_EQ(written, queue.size());
  ConsoleWaitKey();
  DWORD left = 0;
  GetNumberOfConsoleInputEvents(Keyboard(), &left);
  FlushConsoleInputBuffer(Keyboard());
  return left;
}

TEST(ConsoleWaitKey, HasAConsoleToTestOn) {
  ASSERT_NE(Keyboard(), INVALID_HANDLE_VALUE);
  ASSERT_NE(GetConsoleWindow(), nullptr);
}

struct EndingKey {
  const char* name;
  WORD code;
  char character;
};

const EndingKey kEndingKeys[] = {
    {"letter", 'A', 'a'},          {"digit", '7', '7'},
    {"space", VK_SPACE, ' '},      {"enter", VK_RETURN, '\r'},
    {"escape", VK_ESCAPE, 0x1B},   {"tab", VK_TAB, '\t'},
    {"backspace", VK_BACK, '\b'},  {"ctrl_c", 'C', 0x03},
    {"f1", VK_F1, 0},              {"f12", VK_F12, 0},
    {"left", VK_LEFT, 0},          {"up", VK_UP, 0},
    {"right", VK_RIGHT, 0},        {"down", VK_DOWN, 0},
    {"home", VK_HOME, 0},          {"end", VK_END, 0},
    {"page_up", VK_PRIOR, 0},      {"page_down", VK_NEXT, 0},
    {"insert", VK_INSERT, 0},      {"delete", VK_DELETE, 0},
};

// The key ends the wait; the marker after it is still queued.
TEST(ConsoleWaitKey, EachCharacterFunctionCursorAndEditingKeyEndsTheWait) {
  for (const EndingKey& key : kEndingKeys)
    EXPECT_EQ(LeftAfterWait({Key(key.code, key.character)}), 1u) << key.name;
}

// None of these ends the wait, so it reads on to the marker.
TEST(ConsoleWaitKey, ModifiersLocksReleasesAndOtherEventsDoNotEndTheWait) {
  const WORD alone[] = {VK_SHIFT, VK_CONTROL, VK_MENU,  VK_CAPITAL, VK_NUMLOCK,
                        VK_SCROLL, VK_PAUSE,  VK_LWIN, VK_RWIN};
  for (WORD code : alone)
    EXPECT_EQ(LeftAfterWait({Key(code, 0), Key(code, 0, false)}), 0u) << code;
  EXPECT_EQ(LeftAfterWait({Key('A', 'a', false), Key(VK_F5, 0, false)}), 0u);
  EXPECT_EQ(LeftAfterWait({Mouse(), Focus()}), 0u);
}

// Keys typed before the wait began count: the first of them ends it.
TEST(ConsoleWaitKey, QueuedKeysCountAndOnlyOneIsRead) {
  EXPECT_EQ(LeftAfterWait({Key(VK_SHIFT, 0), Key('Q', 'q'), Key('W', 'w')}), 2u);
}

TEST(ConsoleWaitKey, RestoresTheConsolesInputMode) {
  DWORD before = 0, after = 0;
  ASSERT_TRUE(GetConsoleMode(Keyboard(), &before));
  EXPECT_EQ(LeftAfterWait({Key('A', 'a')}), 1u);
  ASSERT_TRUE(GetConsoleMode(Keyboard(), &after));
  EXPECT_EQ(after, before);
  EXPECT_NE(before & ENABLE_PROCESSED_INPUT, 0u);
}

}  // namespace
