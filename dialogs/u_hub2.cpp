// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/u_hub2.h"

Tf_hub2 *f_hub2 = nullptr;

static const HubLayout HUB2_LAYOUT = {2,
                                      QT_TRANSLATE_NOOP("Tf_hub", "Fonction du Hub 2"),
                                      199,
                                      299,
                                      443,
                                      128,
                                      QSize(433, 97),
                                      QPoint(8, 0),
                                      QPoint(32, 72),
                                      QPoint(232, 64)};

Tf_hub2::Tf_hub2(QWidget *parent) : Tf_hub(HUB2_LAYOUT, parent)
{
    setObjectName(QStringLiteral("f_hub2"));
}

Tf_hub *hubDialog(int hub)
{
    return hub == 1 ? static_cast<Tf_hub *>(f_hub1) : f_hub2;
}
