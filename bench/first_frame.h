// How both start-up benchmarks end: once every window shown so far has been painted for the first
// time, the event loop finishes its turn and quits, so the process then exits cleanly. The same
// ending for the program and for the bare window keeps the comparison fair.
#pragma once

// Arms the ending; call after the windows are shown, before `exec()`. The exit status is 0 when
// every shown window was painted, 3 when that did not happen within 20 seconds.
void quitAfterFirstFrame();
