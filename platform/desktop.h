// The program's windows on a real desktop: what it asks of the window manager (which windows
// come above which, which title-bar controls a window may offer), and placement by the outer
// frame. The windows call these instead of talking to X11 themselves; on other platforms
// (headless tests included) they reduce to plain Qt calls.
#pragma once

#include <QPoint>

class QWidget;

namespace platform
{

// Before `window` is shown: `above` puts it above every other window of the program, the
// always-on-top reference windows included, for as long as it is shown; otherwise it is stacked
// as an ordinary window of the program (under the reference windows).
void keepAbove(QWidget *window, bool above);

// Before `window` is shown: asks the window manager for a title bar without the controls that
// would hide the window or take the main window with it (minimise, maximise, close).
void offerNoHidingControls(QWidget *window);

// Places `window` so that its outer frame's top-left corner stands at `topLeft`, the same way
// whether it is shown or hidden, framed by a window manager or not.
void placeFrame(QWidget *window, QPoint topLeft);

} // namespace platform
