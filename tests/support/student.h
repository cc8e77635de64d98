// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// A student who knows the lesson: the test oracle. It works from its own tables of the network,
// written from the rules a teacher gives and never taken from the program (see student.cpp). It
// sees only what a student sees (the exercise shown in the main window, the grids' cells, the LED
// panels' colours, the progress window's ticks and error count) and acts only through the real
// controls. `Autopilot` answers each modal element dialog as it comes up; `playExercise` plays
// the exercise in progress to its end and checks on the way that every right answer is accepted
// and that the exercise ends exactly when the last station that should copy the frame has.
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

class QAbstractButton;
namespace controls
{
class Grid;
}

namespace student
{

// Where things stand on screen, in picture pixels.
QPoint stationPoint(int station);
QPoint hubPoint(int hub);
QPoint bridgePoint();
// The centre of LED k's press zone in a hub dialog's picture.
QPoint ledPoint(int k);
// The square painted when LED k is switched on or off.
QRect ledSquare(int k);
// Where cable n's first wire starts; its second wire runs WIRE_GAP pixels to its right.
QPoint cableStart(int cable);
constexpr int WIRE_GAP = 7;

// The LEDs of hub `hub`'s panel whose colour differs from what the lesson lights there.
QList<int> ledsToSwitch(int hub);

void clickDiagram(QPoint p);
void clickButton(QAbstractButton *button);
void clickCell(controls::Grid *grid, int column, int row);

// Plays whichever element dialog is the active modal widget rightly; false when none is.
bool playActiveDialog();

// Plays the exercise in progress from where it stands to the success box; false, with the reason
// in `trouble` when given, if a right answer was refused, an error was counted, or the exercise
// did not end exactly when it should.
bool playExercise(QString *trouble = nullptr);

} // namespace student

// While it lives, every modal element dialog that comes up is played rightly; a dialog that
// refuses the right answer is closed and counted.
class Autopilot : public QObject
{
public:
    Autopilot();
    int played = 0;
    int refused = 0;

private:
    QTimer timer;
    bool busy = false;
};
