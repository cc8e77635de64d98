// The receiving-station dialog: shows the clicked station and the received frame; the student
// ticks "Copier la trame en mémoire" when the frame is for this station, and "Terminé" accepts only
// the right decision (the unicast destination ends the frame's journey, phase 60; a group frame
// records the station's copy).
#pragma once

#include "dialogs/element_dialog.h"

class PictureView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// What "Terminé" does with the decision of station `clicked`: the frame from `source` to
// `destination` is for it when it is not the sender and is the destination or the frame is a
// broadcast or multicast; the tick must say exactly that.
enum class CopyOutcome {
    Refused,  // the tick disagrees
    Closed,   // not for this station, rightly not copied: nothing changes
    Received, // the unicast destination copied it: the frame's journey ends
    Copied,   // one more station copied a group frame
};
CopyOutcome copyOutcome(int clicked, int source, int destination, bool ticked);

// Whether the dialog lets the student decide, in `phase`, for a station that has or has not
// copied the frame already.
bool decisionOpen(int phase, int destination, bool alreadyCopied);

class Tf_destination : public ElementDialog
{
    Q_OBJECT
public:
    explicit Tf_destination(QWidget *parent = nullptr);

    QWidget *Panel;
    PictureView *station1;
    QLineEdit *edit1;
    QCheckBox *copier;
    QPushButton *BitBtn1;
    QLabel *Label1;
    QTableWidget *trame;

    void FormCreate();
    void FormActivate() override;
    void BitBtn1Click();
};

extern Tf_destination *f_destination;
