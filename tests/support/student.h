// A student who knows the lesson: the test oracle. It works from its own tables of the network,
// written from the rules a teacher gives and never taken from the program: where each station and
// the bridge hang, which LEDs a hub lights, how the learning bridge learns, looks up and forwards,
// who copies a frame, and where the diagram and the LED panels show all this. It sees only what a
// student sees (the exercise shown in the main window, the grids' cells, the LED panels' colours,
// the progress window's ticks and error count) and acts only through the real controls.
// `Autopilot` answers each modal element dialog as it comes up; `playExercise` plays the exercise
// in progress to its end and checks, on the way, that the program accepts every right answer and
// ends the exercise exactly when the last station that should copy the frame has copied it.
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>

class QAbstractButton;
class QTableWidget;
class QWidget;

namespace student
{

// --- The lesson ----------------------------------------------------------------------------------

// Destination numbers: the stations 1..6, the broadcast 7, the NetBEUI multicast 8; 0 for a label
// that names none of them.
int numberOfLabel(const QString &label);
bool isGroup(int destination);

// Station s hangs on hub 1 at port s (s = 1..3) or on hub 2 at port s - 2 (s = 4..6).
int hubOf(int station);
int portOf(int station);
// The port by which the frame sent by `source` enters `hub`: its own port on its own hub, the
// bridge's port (4 on hub 1, 1 on hub 2) on the other.
int entryPort(int hub, int source);
// A hub repeats the frame: the RX LED of the entry port and the TX LEDs of the three other ports
// are lit. LED 2p - 1 is port p's RX LED, LED 2p its TX LED.
bool ledLit(int led, int entryPort);

// The learning bridge: a table is the addresses of its rows 1..4 (the pending row included).
enum class Side { None, Left, Right };
// Where the destination stands; the right table is looked at first.
Side lookup(const QString &destination, const QStringList &left, const QStringList &right);
// Where the frame from `source` goes once its destination is found on `found` (None: in no
// table): out of the other port, unless the destination is on the sender's own side.
Side emission(int source, Side found);

// Whether `station` copies the frame from `source` to `destination`.
bool copies(int station, int source, int destination);

// --- Where things stand on screen ----------------------------------------------------------------

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

// The exercise the main window shows: sending station and destination numbers.
struct Exercise {
    int source = 0;
    int destination = 0;
};
Exercise exerciseShown();
// The LEDs of hub `hub`'s panel whose colour differs from the lesson's pattern.
QList<int> ledsToSwitch(int hub);

// --- Acting --------------------------------------------------------------------------------------

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

// Plays the exercise in progress from where it stands to the success box; returns false, with
// the reason in `trouble` when given, if a right answer was refused, an error was counted, or
// the exercise did not end exactly when it should.
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
