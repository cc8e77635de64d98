// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up (settings, station table, exercise list), the exercise cycle
// ("Nouveau", end of a series, quitting) and the network diagram. Each click on the diagram is
// handed, with a copy of the state, to the click rules (core/click_routing), and their answer is
// carried out here: the element dialogs shown in turn, the frame's path drawn, the progress window
// ticked.
#pragma once

#include "core/click_routing.h"

#include <QMainWindow>

#include <optional>

class PictureView;
class QAction;
class QLabel;
class QLineEdit;
namespace controls
{
class Grid;
}

class TPrincipale : public QMainWindow
{
    Q_OBJECT
public:
    // Runs the whole start-up; when it had to end the program, `startupStopped()` is true.
    explicit TPrincipale(QWidget *parent = nullptr);

    QAction *Nouveau;
    QAction *APropos1;
    QAction *Quitter1;
    QLabel *Label1;
    QLineEdit *Edit1;
    QLabel *Label2;
    QLineEdit *Edit2;
    QLabel *Label3;
    PictureView *Image1;
    QLabel *Label4;
    controls::Grid *trame_gauche;
    QLabel *resultat;

    void FormCreate();
    void NouveauClick();
    void FIN();
    void Quitter1Click();
    void APropos1Click();
    bool FormCloseQuery();

    void Image1MouseDown(int x, int y);
    void draw_cables();
    void station_clicked();
    bool hub_clicked(quint16 x);
    void bridge_clicked();

    bool startupStopped() const { return stopped; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Carries out what a press that hit `hit` does; the refusal, if it was refused, is left to the
    // caller to report.
    std::optional<Refusal> follow(const geometry::DiagramHit &hit);
    routing::State situation() const;
    void show_dialog(const routing::Showing &showing);
    void carry_out(const routing::Aftermath &after);
    // Writes the window's texts in the interface language (the diagram's picture among them).
    void setTexts();
    void read_exercise_list();
    void choose_exercise();
    void reset_displays();
    void stop(const QString &message);
    bool stopped = false;
};

extern TPrincipale *Principale;
