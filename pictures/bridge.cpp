// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge box of the bridge dialog: a green box with a thick black border, lit from the top
// left by one light grey line, labelled "Commutateur Ethernet"; and that caption, which the
// network diagram's bridge carries too.
#include "core/geometry.h"
#include "pictures/artwork.h"
#include "pictures/canvas.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace pictures
{

QString bridgeCaption()
{
    return QCoreApplication::translate("pictures", "Commutateur Ethernet");
}

void drawBridgeCaption(QPainter &painter, const QRect &box)
{
    const QString text = bridgeCaption();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Small letters, shrunk further if this system's font runs wide.
    int pixels = 10;
    font.setPixelSize(pixels);
    QRect ink = QFontMetrics(font).tightBoundingRect(text);
    while (pixels > 6 && (ink.width() > box.width() || ink.height() > box.height())) {
        font.setPixelSize(--pixels);
        ink = QFontMetrics(font).tightBoundingRect(text);
    }
    painter.save();
    painter.setFont(font);
    painter.setPen(geometry::colour::BLACK);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawText(box.left() - ink.left() + (box.width() - ink.width()) / 2,
                     box.top() - ink.top() + (box.height() - ink.height()) / 2, text);
    painter.restore();
}

QImage bridge(qreal dpr)
{
    using namespace geometry::colour;
    const QSize size = geometry::BRIDGE_PICTURE_SIZE;
    const QColor green = BRIDGE_GREEN;
    const QColor lightGrey = LIGHT_GREY;
    const int border = geometry::BRIDGE_PICTURE_BORDER;

    QImage image = canvas(size, dpr, green);
    QPainter painter(&image);
    // The black box takes everything right of and below the grey line.
    const QRect box(1, 1, size.width() - 1, size.height() - 1);
    painter.fillRect(box, BLACK);
    painter.fillRect(box.adjusted(border, border, -border, -border), green);
    painter.fillRect(QRect(0, 0, size.width(), 1), lightGrey);
    painter.fillRect(QRect(0, 0, 1, size.height()), lightGrey);

    drawBridgeCaption(painter, box.adjusted(border + 4, border, -border - 4, -border));
    return image;
}

} // namespace pictures
