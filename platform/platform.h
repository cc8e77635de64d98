// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's only door to the system: message boxes, the clock, the random source and the end
// of the process. Every window calls the free functions below; they forward to one `Services`
// object, which the program leaves as the real one and the tests replace with a recording fake.
// Whatever the box implementation, `messageBox` gives the window under the box its activation
// back when the box closes, so that activation handlers run the same with or without a window
// manager.
#pragma once

#include <QDateTime>
#include <QString>

class QWidget;

namespace platform
{

enum class BoxKind { Warning, Error, Information, Confirmation };
enum class BoxButtons { Ok, OkCancel };
enum class BoxAnswer { Ok, Cancel };

// "Avertissement", "Erreur", "Information" or "Confirmation".
QString boxTitle(BoxKind kind);

class Services
{
public:
    virtual ~Services() = default;
    // Shows a modal box over `parent` (may be null) and returns the button pressed; closing the
    // box by other means answers Cancel when there is a Cancel button, else Ok. A box with
    // `explanation` offers it on demand, under a "Pourquoi ?" button.
    virtual BoxAnswer showBox(QWidget *parent, BoxKind kind, const QString &title,
                              const QString &text, BoxButtons buttons,
                              const QString &explanation) = 0;
    virtual QDateTime now() = 0;
    virtual void seedRandom() = 0;
    // A uniform integer in 0 .. n - 1 (n >= 1).
    virtual int random(int n) = 0;
    // Ends the process at once with status 0. A replacement may return: callers stop themselves.
    virtual void endProcess() = 0;
    // Leaves the event loop: the program ends normally once its windows are closed.
    virtual void quit() = 0;
};

// Installs `replacement` (not owned), or the real services again when null.
void setServices(Services *replacement);

BoxAnswer messageBox(BoxKind kind, const QString &text, BoxButtons buttons = BoxButtons::Ok,
                     const QString &explanation = QString());
QDateTime now();
void seedRandom();
int random(int n);
void endProcess();
void quit();

} // namespace platform
