// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up (settings, station table, exercise list), the exercise cycle
// ("Nouveau", end of a series, quitting) and the network diagram whose clicks open the element
// dialogs in turn, draw the frame's path and tick the progress window.
#pragma once

#include <QMainWindow>

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
    void read_exercise_list();
    void choose_exercise();
    void reset_displays();
    void stop(const QString &message);
    bool stopped = false;
};

extern TPrincipale *Principale;

// When the clicked station is the sender, shows the sending-station dialog read-only.
bool show_sender_read_only();
// True when the hub pass must be done by hand; false when it has just been done automatically.
bool auto_hub_pass();
