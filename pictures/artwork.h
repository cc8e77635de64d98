// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's artwork, drawn in code so that it stays sharp at any screen density. Each picture
// is painted at its logical size times `dpr` and carries that device pixel ratio; positions in the
// windows' algorithms are always logical picture pixels.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace pictures
{

// The network diagram of the main window, 487 x 183, without its cables.
QImage diagram(qreal dpr = 1.0);
// The LED panel of the hub dialogs, 415 x 60.
QImage ledPanel(qreal dpr = 1.0);
// The bridge box of the bridge dialog, 129 x 44.
QImage bridge(qreal dpr = 1.0);
// The words on the bridge of both pictures, "Commutateur Ethernet", in the interface language.
QString bridgeCaption();
// A desktop computer, 34 x 33.
QImage station(qreal dpr = 1.0);
// The green check mark of the completion buttons, with its greyed twin for the disabled state.
QIcon checkGlyph();
// `family` when the system has it, otherwise the family of the font file `file`, loaded for this
// run; empty when neither is there.
QString availableFamily(const QString &family, const QString &file);
// Makes the face of the artwork's texts available (Tahoma, from its file when the system does not
// index it). Font files are best loaded before any text is measured: each one loaded later makes
// Qt drop every font it has already set up. Idempotent.
void loadTextFace();
// The program's icon: a red suspension bridge over water.
QIcon programIcon();
QImage programIconImage(int size);

} // namespace pictures
