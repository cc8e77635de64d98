// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window: the exercise number, the running error count, and one row of two boxes per
// element ("Non concerné" ticked by the student, "Traité" ticked by the program). Its button ends
// the exercise once every checked row holds exactly one tick. It also owns `report_error`, the one
// path by which every window refuses a student's action.
#pragma once

#include "core/refusals.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

class Tf_avance : public QWidget
{
    Q_OBJECT
public:
    explicit Tf_avance(QWidget *parent = nullptr);

    QWidget *Panel1;
    QLabel *label_erreurs;
    QLabel *Label2;
    QLabel *Label1;
    QCheckBox *emetteur;
    QCheckBox *destinataire;
    QCheckBox *Hub1;
    QCheckBox *Hub2;
    QCheckBox *Pont;
    QCheckBox *_emetteur;
    QCheckBox *_destinataire;
    QCheckBox *_hub1;
    QCheckBox *_hub2;
    QCheckBox *_Pont;
    QPushButton *fin_traitement;

    void FormActivate();
    void emetteurClick();
    void destinataireClick();
    void fin_traitementClick();
    // The rows (destination, hubs) whose two boxes are not exactly one ticked, by their captions.
    QStringList rowsWithoutOneTick() const;

    // "Avancement. Ex = n  (count)"
    void writeCaption();
    void writeErrorCount();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

extern Tf_avance *f_avance;

// Counts one error, shows the count and the tally of refusals, and shows the refusal's message in
// a warning box; returns once it is closed.
void report_error(Refusal refusal);
