// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What both start-up benchmarks share: their ending and, on request, where their time and memory
// go. The ending: once every window shown so far has been painted for the first time, the event
// loop finishes its turn and quits, so the process exits cleanly; the same ending for the program
// and for the bare window keeps the comparison fair. With KZ_BENCH_PHASES set in the environment,
// each marked phase is written to standard error as "kz-bench-phase NAME MS" (milliseconds since
// the runner forked the process, passed in KZ_BENCH_T0), and once the first frame is painted
// the resident memory by mapping as "kz-bench-memory NAME KB".
#pragma once

// Records that the named phase has just ended.
void markPhase(const char *name);

// Arms the ending; call after the windows are shown, before `exec()`. The exit status is 0 when
// every shown window was painted, 3 when that did not happen within 20 seconds.
void quitAfterFirstFrame();

// Marks the end of the run: the windows destroyed.
void reportAtExit();
