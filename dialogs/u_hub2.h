// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The hub 2 dialog: the twin of hub 1 with its own caption, place and layout.
#pragma once

#include "dialogs/u_hub.h"

class Tf_hub2 : public Tf_hub
{
    Q_OBJECT
public:
    explicit Tf_hub2(QWidget *parent = nullptr);
};

extern Tf_hub2 *f_hub2;

// The dialog of hub 1 or 2.
Tf_hub *hubDialog(int hub);
