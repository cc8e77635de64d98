// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows on a real desktop: the window system it runs on, what it asks of the
// window manager (which windows come above which, which title-bar controls a window may offer),
// placement by the outer frame, and what the program keeps whatever the window manager does: a
// window where it was placed, whole on the screen, neither minimised nor rolled up. The windows
// call these instead of talking to X11 themselves; on other platforms (headless tests included)
// they reduce to plain Qt calls.
#pragma once

#include <QByteArray>
#include <QPoint>

class QWidget;

namespace platform
{

// The program places its windows and keeps two of them on top, which a Wayland session does not
// let a program do: there it runs through XWayland when that is available. `userChose` is true
// when the user named a platform (QT_QPA_PLATFORM or -platform). Returns the platform to ask Qt
// for, or nothing to leave Qt's own choice.
QByteArray windowSystemFor(bool userChose, const QByteArray &sessionType, bool waylandDisplay,
                           bool x11Display);
// Applies that choice from the environment and the command line; run before the application
// object is created.
void chooseWindowSystem(int argc, char **argv);

// Before `window` is shown: `above` puts it above every other window of the program, the
// always-on-top reference windows included, for as long as it is shown; otherwise it is stacked
// as an ordinary window of the program (under the reference windows).
void keepAbove(QWidget *window, bool above);

// Before `window` is shown: asks the window manager for a title bar without the controls that
// would hide the window (minimise, maximise, close), and keeps it whole on the screen for good:
// whatever minimises or rolls it up (a window manager that offers it anyway, a task bar, a pager,
// another program's request), it comes back at once.
void offerNoHidingControls(QWidget *window);

// Run once, before the program shows a window: from then on every window of the program shown
// modally is kept whole on the screen, as above, for as long as it is modal (a modal window that
// stayed hidden would leave the whole program refusing input), every window is kept where the
// program placed it and whole on the screen's available area (see `placeFrame`), and on Wayland,
// where nothing may give back a minimised window, every window minimised comes back at once.
void keepWindowsInPlace();

// Places `window` so that its outer frame's top-left corner stands at `topLeft`, the same way
// whether it is shown or hidden, framed by a window manager or not; a frame that would not stand
// whole on the screen's available area is moved just enough to be. Once the window is on the
// screen, wherever its window manager put it, it is moved back to that place.
void placeFrame(QWidget *window, QPoint topLeft);

} // namespace platform
