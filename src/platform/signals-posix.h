// Undoing what must not outlive the process when it is ended by a signal.
#ifndef SAWTALLY_PLATFORM_SIGNALS_POSIX_H_
#define SAWTALLY_PLATFORM_SIGNALS_POSIX_H_

/// Until ReleaseFatalSignals, runs `cleanup` when SIGHUP, SIGINT or SIGTERM
/// arrives, then lets the signal end the process as it would have.
/// `cleanup` may only make async-signal-safe calls.
void CatchFatalSignals(void (*cleanup)());

/// Gives the three signals back their earlier handling.
void ReleaseFatalSignals();

/// Holds the three signals back (`hold` true) until called with false, so
/// that creating something and arranging its cleanup happen as one step.
void HoldFatalSignals(bool hold);

#endif  // SAWTALLY_PLATFORM_SIGNALS_POSIX_H_
