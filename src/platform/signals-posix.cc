#include "platform/signals-posix.h"

#include <signal.h>
#include <string.h>

namespace {

const int kFatalSignals[] = {SIGHUP, SIGINT, SIGTERM};
constexpr int kSignalCount = sizeof kFatalSignals / sizeof kFatalSignals[0];

void (*pendingCleanup)() = nullptr;
struct sigaction previous[kSignalCount];

void OnFatalSignal(int signal) {
  if (pendingCleanup != nullptr)
    pendingCleanup();
  ReleaseFatalSignals();
  raise(signal);  // delivered once this handler returns
}

}  // namespace

void CatchFatalSignals(void (*cleanup)()) {
  pendingCleanup = cleanup;
  struct sigaction action;
  memset(&action, 0, sizeof action);
  action.sa_handler = OnFatalSignal;
  sigemptyset(&action.sa_mask);
  for (int i = 0; i < kSignalCount; ++i)
    sigaddset(&action.sa_mask, kFatalSignals[i]);
  for (int i = 0; i < kSignalCount; ++i) {
    sigaction(kFatalSignals[i], nullptr, &previous[i]);
    if (previous[i].sa_handler != SIG_IGN)  // an ignored signal ends nothing
      sigaction(kFatalSignals[i], &action, nullptr);
  }
}

void HoldFatalSignals(bool hold) {
  sigset_t fatal;
  sigemptyset(&fatal);
  for (int i = 0; i < kSignalCount; ++i)
    sigaddset(&fatal, kFatalSignals[i]);
  sigprocmask(hold ? SIG_BLOCK : SIG_UNBLOCK, &fatal, nullptr);
}

void ReleaseFatalSignals() {
  if (pendingCleanup == nullptr)
    return;
  pendingCleanup = nullptr;
  for (int i = 0; i < kSignalCount; ++i)
    sigaction(kFatalSignals[i], &previous[i], nullptr);
}
