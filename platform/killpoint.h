// killpoint.h — a test hook of the file seam for crash-consistency tests.
//
// Built only where NORVA_KILL_POINTS is defined (the native test build): the
// seam counts every step that changes something on disk — each write that
// leaves a file's buffer for the system, each flush to disk, each replace,
// removal and folder change — and, once armed, ends the process abruptly
// (_exit: no clean-up, no destructors, nothing buffered written) just before
// the step with the armed number. Writers need nothing of their own to be
// covered: whatever they write goes through openFile and the seam.
#pragma once

#ifdef NORVA_KILL_POINTS

// The exit code of a process ended at a kill point.
constexpr int kKilledExitCode = 86;

// Ends the process before its step-th counted step (1-based) from now on;
// 0 disarms. The count starts again at 0.
void armKillPoint(long step);

// Counted steps since the last armKillPoint.
long fileStepsTaken();

#endif
