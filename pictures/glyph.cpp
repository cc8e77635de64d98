// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The check mark of the "Terminé" buttons: a green tick on a transparent background, and the
// greyed, embossed twin that a disabled button shows. Each is drawn at 16 x 16 and at twice that
// for high-density screens.
#include "pictures/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace pictures
{

namespace
{

QPainterPath tick()
{
    QPainterPath path;
    path.moveTo(3.0, 8.5);
    path.lineTo(6.5, 12.0);
    path.lineTo(13.0, 4.0);
    return path;
}

void stroke(QPainter &p, const QPointF &offset, const QColor &color)
{
    p.setPen(QPen(color, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick().translated(offset));
}

QPixmap glyph(int scale, bool enabled)
{
    QImage image(QSize(16, 16) * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (enabled) {
        stroke(p, QPointF(0, 0), QColor(0, 128, 0));
    } else {
        // Engraved look: a white highlight one pixel down and right, the grey tick over it.
        stroke(p, QPointF(1, 1), QColor(255, 255, 255));
        stroke(p, QPointF(0, 0), QColor(128, 128, 128));
    }
    p.end();
    return QPixmap::fromImage(image);
}

} // namespace

QIcon checkGlyph()
{
    // Drawn once; every completion button shares it.
    static const QIcon icon = [] {
        QIcon drawn;
        for (int scale : {1, 2}) {
            drawn.addPixmap(glyph(scale, true), QIcon::Normal);
            drawn.addPixmap(glyph(scale, false), QIcon::Disabled);
        }
        return drawn;
    }();
    return icon;
}

} // namespace pictures
