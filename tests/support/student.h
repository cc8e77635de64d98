// A student who knows the answers: clicks the diagram at pixel positions and plays every element
// dialog rightly through its real controls. `Autopilot` answers each modal element dialog as it
// comes up; `playExercise` plays the exercise in progress to its end with no error.
#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

class QAbstractButton;
class QTableWidget;
class QWidget;

namespace student
{

QPoint stationPoint(int station);
QPoint hubPoint(int hub);
QPoint bridgePoint();
// The centre of LED k's hit zone in a hub dialog's picture.
QPoint ledPoint(int k);

void clickDiagram(QPoint p);
void clickButton(QAbstractButton *button);
void clickCell(QTableWidget *grid, int column, int row);

// The right play of each dialog, through its controls; each ends by pressing its button.
void playSender();
void playHub(int hub);
void playBridge();
void playReceiver();
// Plays whichever element dialog is the active modal widget; false when none is.
bool playActiveDialog();

// Plays the exercise in progress from where it stands to the success box; returns false if the
// exercise could not be finished.
bool playExercise();

} // namespace student

// While it lives, every modal element dialog that comes up is played rightly.
class Autopilot : public QObject
{
public:
    Autopilot();
    int played = 0;

private:
    QTimer timer;
    bool busy = false;
};
