// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/KZ_Pont.h"

#include "dialogs/U_pont.h"
#include "dialogs/a_propos.h"
#include "dialogs/u_MACs.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "pictures/artwork.h"
#include "platform/desktop.h"
#include "widgets/accessibility.h"
#include "widgets/controls.h"

#include <QApplication>

KZ_Pont::KZ_Pont()
{
    QApplication::setApplicationName(QStringLiteral("KZ Pont"));
    QApplication::setWindowIcon(pictures::programIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    controls::installProgramStyle();
    controls::installProgramFont();
    accessibility::giveWindowsTheirRole();

    global = Global();
    platform::keepWindowsInPlace(); // the start-up's message boxes included
    Principale = new TPrincipale;
    if (Principale->startupStopped())
        return;
    f_Station_emettrice = new Tf_Station_emettrice(Principale);
    f_pont = new Tf_pont(Principale);
    f_avance = new Tf_avance(Principale);
    f_hub1 = new Tf_hub1(Principale);
    AdressesMAC = new TAdressesMAC(Principale);
    f_destination = new Tf_destination(Principale);
    f_hub2 = new Tf_hub2(Principale);
    apropos = new Tapropos(Principale);
    Principale->show();
    f_avance->show();
    AdressesMAC->show();
    ok = true;
}

KZ_Pont::~KZ_Pont()
{
    // The eight other windows are children of the main window.
    delete Principale;
    Principale = nullptr;
    f_Station_emettrice = nullptr;
    f_pont = nullptr;
    f_avance = nullptr;
    f_hub1 = nullptr;
    AdressesMAC = nullptr;
    f_destination = nullptr;
    f_hub2 = nullptr;
    apropos = nullptr;
}
