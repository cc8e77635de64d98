// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The French guide inside the program: F1 or the Help key, in any window, shows docs/guide.md in a
// reading window. The guide, its pictures and the keyboard page are built into the program
// (resources under ":/docs"), so they show from a build folder, the package or a copy alike.
// Links between the guide's sections and to the keyboard page open in the same window. Shown while
// a dialog or a box is modal, the window is made modal above it, so that it can be read and
// closed, and the dialog goes on as it was.
#pragma once

class QWidget;

namespace guide
{

// From now on F1 or Help in any window shows the guide; the key and the window go with `owner`.
void installKey(QWidget *owner);
// Shows the guide above the window in use (nothing before installKey).
void show();
// Whether `window` is the guide's window.
bool isGuide(const QWidget *window);

} // namespace guide
