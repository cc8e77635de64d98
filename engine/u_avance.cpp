// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/u_avance.h"

#include "core/hub_rules.h"
#include "dialogs/U_pont.h"
#include "dialogs/u_dest.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "platform/desktop.h"
#include "platform/platform.h"
#include "widgets/controls.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

Tf_avance *f_avance = nullptr;

Tf_avance::Tf_avance(QWidget *parent)
    // A window of its own, not a tool window of the main window: window managers hide the
    // windows that belong to a window together with it, and some (weston's) make a tool window
    // that belongs to another one a part of it, which takes no input and goes where it likes.
    : QWidget(parent,
              Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    using namespace controls;
    setObjectName(QStringLiteral("f_avance"));
    setWindowTitle(tr("Avancement. ex 1"));
    placeWindowOuter(this, 461, 303, 178, 232);
    // A teacher hovering over the error count sees its tally even when another window is active.
    setAttribute(Qt::WA_AlwaysShowToolTips);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Panel1"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(0, 0, 169, 25);
    Panel1 = frame;
    label_erreurs = label(Panel1, "label_erreurs", QString(), 8, 4, 153, 13);
    label_erreurs->setAlignment(Qt::AlignCenter);
    Label2 = label(this, "Label2", tr("Non concerné"), 8, 32);
    Label1 = label(this, "Label1", tr("Traité"), 120, 32);

    emetteur = checkBox(this, "emetteur", tr("émetteur"), 32, 48, 73, 17);
    destinataire = checkBox(this, "destinataire", tr("destinataire"), 32, 72, 81, 17);
    Hub1 = checkBox(this, "Hub1", tr("Hub1"), 32, 96, 65, 17);
    Hub2 = checkBox(this, "Hub2", tr("Hub2"), 32, 120, 73, 17);
    Pont = checkBox(this, "Pont", tr("Pont"), 32, 144, 57, 17);
    const char *names[5] = {"_emetteur", "_destinataire", "_hub1", "_hub2", "_Pont"};
    const QString spoken[5] = {tr("émetteur traité"), tr("destinataire traité"), tr("Hub1 traité"),
                               tr("Hub2 traité"), tr("Pont traité")};
    QCheckBox *done[5];
    for (int row = 0; row < 5; ++row) {
        done[row] = checkBox(this, names[row], QString(), 128, 48 + 24 * row, 17, 17);
        done[row]->setAccessibleName(spoken[row]);
        done[row]->setEnabled(false);
    }
    _emetteur = done[0];
    _destinataire = done[1];
    _hub1 = done[2];
    _hub2 = done[3];
    _Pont = done[4];

    fin_traitement = completionButton(this, "fin_traitement", tr("Fin du traitement de la trame"),
                                      2, 171, 167, 31);
    fin_traitement->setEnabled(false);

    // A box ticked or unticked, by the student or by the program, runs its handler.
    connect(emetteur, &QCheckBox::toggled, this, &Tf_avance::emetteurClick);
    connect(destinataire, &QCheckBox::toggled, this, &Tf_avance::destinataireClick);
    connect(fin_traitement, &QPushButton::clicked, this, &Tf_avance::fin_traitementClick);
    writeErrorCount();
    // Visible from start-up to exit: no title-bar control may hide it, and nothing else either.
    platform::offerNoHidingControls(this);
}

void Tf_avance::writeCaption()
{
    setWindowTitle(
        tr("Avancement. Ex = %1  (%2)").arg(global.exercise_number).arg(global.exercise_count));
}

void Tf_avance::writeErrorCount()
{
    label_erreurs->setText(tr("Cumul erreurs = %1").arg(global.error_count));
    label_erreurs->setAccessibleName(label_erreurs->text());
    // The teacher's view of what the count is made of; screen readers take it as the description.
    const QString tally = global.refusals.summary();
    Panel1->setToolTip(tally);
    label_erreurs->setToolTip(tally);
}

void Tf_avance::FormActivate()
{
    writeCaption();
    writeErrorCount();
}

bool Tf_avance::event(QEvent *event)
{
    if ((event->type() == QEvent::WindowActivate && isVisible()) || event->type() == QEvent::Show)
        FormActivate();
    return QWidget::event(event);
}

// "Fin du traitement de la trame" is the window's default button: Enter presses it wherever the
// focus stands (a push button with the focus takes Enter itself).
void Tf_avance::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & ~Qt::KeypadModifier) && fin_traitement->isEnabled()) {
        fin_traitement->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The window has no close box; a keyboard close request is refused too.
void Tf_avance::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void Tf_avance::emetteurClick()
{
    if (emetteur->isChecked())
        report_error(Refusal::SenderMustSend);
    emetteur->setChecked(false);
}

void Tf_avance::destinataireClick()
{
    if (destinataire->isChecked() && global.src_index != global.dest_index) {
        report_error(Refusal::CheckReceiver);
        destinataire->setChecked(false);
    }
    if (destinataire->isChecked() && global.src_index == global.dest_index &&
        global.phase == PHASE_FINAL_SEGMENT) {
        global.phase = PHASE_RECEIVED;
        fin_traitement->setEnabled(true);
    }
}

QStringList Tf_avance::rowsWithoutOneTick() const
{
    QStringList rows;
    for (const auto &[student, program] :
         {std::pair{destinataire, _destinataire}, std::pair{Hub1, _hub1}, std::pair{Hub2, _hub2}})
        if (student->isChecked() == program->isChecked())
            rows << student->text();
    return rows;
}

void Tf_avance::fin_traitementClick()
{
    if (!rowsWithoutOneTick().isEmpty()) {
        report_error(Refusal::OneTickPerRow);
        return;
    }
    platform::messageBox(platform::BoxKind::Information,
                         tr("Vous avez mené à bien cette transmission\n"
                            "Utilisez le menu Nouveau"));
    Principale->Nouveau->setEnabled(true);
    Principale->FIN();
}

namespace
{

// The facts of the attempt being refused, from the shared state and the windows that show it.
RefusalContext attemptContext(Refusal refusal)
{
    RefusalContext context;
    context.phase = global.phase;
    context.source = global.src_index;
    context.destination = global.dest_index;
    for (int row = 0; row < STATION_ROWS; ++row) {
        context.labels[row] = global.station_table[0][row];
        context.addresses[row] = global.station_table[1][row];
    }
    const bool clickedInDiagram =
        refusal == Refusal::NotTheSender || refusal == Refusal::NotTimeForStation;
    if (clickedInDiagram || (f_destination && f_destination->isVisible()))
        context.station = global.clicked_station;
    if (global.current_hub == 1 || global.current_hub == 2) {
        context.hub = global.current_hub;
        context.entryPort = entryPort(context.hub, global.phase, global.src_index);
    }
    if (f_pont)
        context.destinationInTables =
            f_pont->whereInTables(global.station_table[1][global.dest_index]);
    if (f_avance)
        context.rowsWithoutOneTick = f_avance->rowsWithoutOneTick();
    return context;
}

} // namespace

void report_error(Refusal refusal)
{
    global.refusals.count(refusal, global.error_count);
    saturatingIncrement(global.error_count);
    if (f_avance)
        f_avance->writeErrorCount();
    platform::messageBox(
        platform::BoxKind::Warning, refusalMessage(refusal), platform::BoxButtons::Ok,
        global.explanations ? refusalExplanation(refusal, attemptContext(refusal)) : QString());
}
