// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog: icon, version, copyright and licence on a bevelled panel, and "OK".
// Created hidden at start-up; the main menu shows it modally as often as asked.
#include "dialogs/a_propos.h"

#include "pictures/artwork.h"
#include "widgets/controls.h"

#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

Tapropos *apropos = nullptr;

namespace
{

QLabel *wrappedLabel(QWidget *parent, const char *name, const QString &text, int x, int y, int w,
                     int h)
{
    QLabel *l = controls::label(parent, name, text, x, y, w, h);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

Tapropos::Tapropos(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    using namespace controls;
    setObjectName(QStringLiteral("apropos"));
    setWindowTitle(QStringLiteral("KZ PONT"));
    setAccessibleName(windowTitle());

    const int clientWidth = 289;
    const int clientHeight = 221;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    placeWindow(this, area.x() + (area.width() - clientWidth - FRAME_WIDTH) / 2,
                area.y() + (area.height() - clientHeight - FRAME_HEIGHT) / 2, clientWidth,
                clientHeight);

    // Lowered outside, raised inside: the inner bevel is a plain frame behind the labels.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 0, 281, 193);
    auto *innerBevel = new QFrame(Panel1);
    innerBevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    innerBevel->setGeometry(1, 1, 279, 191);

    ProgramIcon = label(Panel1, "ProgramIcon", QString(), 8, 8, 41, 33);
    ProgramIcon->setPixmap(QPixmap::fromImage(pictures::programIconImage(32)));
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setAccessibleName(QStringLiteral("KZ Pont"));

    Version = label(Panel1, "Version", tr("Version 1.3.7  janvier 2000"), 96, 8);
    Credits = wrappedLabel(Panel1, "Credits", tr("© 2026 les auteurs de KZ Pont"), 88, 32, 158, 26);
    setBold(Credits);
    Label2 = wrappedLabel(Panel1, "Label2",
                          tr("Logiciel libre sous licence GNU GPL, version 3 "
                             "ou ultérieure."),
                          32, 80, 188, 26);
    Comments = wrappedLabel(Panel1, "Comments",
                            tr("Sans aucune garantie. La licence est jointe "
                               "au programme."),
                            56, 128, 169, 26);
    Label1 = label(Panel1, "Label1", tr("Merci aux élèves et aux professeurs qui l'ont essayé."), 8,
                   168);

    OKButton = button(this, "OKButton", QStringLiteral("OK"), 111, 196, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
