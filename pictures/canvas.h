// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared start of every piece of artwork: an image of a logical size at a device pixel ratio,
// filled with a background, and a painter that works in logical pixels; and the pieces two
// pictures share.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class QPainter;
class QRect;

namespace pictures
{

QImage canvas(QSize logicalSize, qreal dpr, const QColor &background);

// The bridge's caption, "Commutateur Ethernet", in small black letters evenly spaced, its ink
// centred in `box` at the largest size up to 10 pixels that fits it; the bridge box of the
// bridge dialog and the bridge of the network diagram both carry it.
void drawBridgeCaption(QPainter &painter, const QRect &box);

} // namespace pictures
