// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: a red suspension bridge over blue water, on a transparent ground. It is
// drawn in vector on a 64 x 64 grid scaled to the requested size, so the same drawing serves the
// window icon (16 to 256 pixels) and the About dialog; pictures/kz_pont.svg is its twin for the
// desktop menu. Strokes are kept at least one device pixel wide so the small sizes stay legible.
#include "pictures/artwork.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace pictures
{

namespace
{

const QColor WATER(36, 104, 214);
const QColor WAVE(140, 190, 250);
const QColor BRIDGE_RED(212, 28, 28);
const QColor BRIDGE_DARK(140, 10, 10);

// The grid of the drawing.
const qreal GRID = 64;
const qreal DECK_TOP = 34, DECK_BOTTOM = 39;
const qreal TOWER_TOP = 8, TOWER_FOOT = 50, TOWER_WIDTH = 6;
const qreal TOWER_X[2] = {19, 45}; // centre lines
const qreal WATER_TOP = 43, WATER_BOTTOM = 60;

// A cable span: a quadratic curve whose control point sits midway across, so x runs linearly
// with the curve's parameter and the cable's height over any x is easy to find for the hangers.
struct Span {
    QPointF from, to;
    qreal sag; // y of the control point
    QPointF at(qreal x) const
    {
        const qreal t = (x - from.x()) / (to.x() - from.x());
        const qreal y = (1 - t) * (1 - t) * from.y() + 2 * t * (1 - t) * sag + t * t * to.y();
        return QPointF(x, y);
    }
};

const Span SPANS[3] = {
    {{1, DECK_TOP + 1}, {TOWER_X[0], TOWER_TOP + 1}, 30},
    {{TOWER_X[0], TOWER_TOP + 1}, {TOWER_X[1], TOWER_TOP + 1}, 50},
    {{TOWER_X[1], TOWER_TOP + 1}, {GRID - 1, DECK_TOP + 1}, 30},
};
const qreal HANGER_X[] = {7, 12, 24, 28.5, 32, 35.5, 40, 52, 57};

QPainterPath wave(qreal y)
{
    QPainterPath path(QPointF(6, y));
    for (qreal x = 6; x < 58; x += 8)
        path.quadTo(QPointF(x + 4, y - 2.5), QPointF(x + 8, y));
    return path;
}

void paintIcon(QPainter &painter, int size)
{
    const qreal devicePixel = GRID / size;
    const auto pen = [&](const QColor &colour, qreal width) {
        return QPen(colour, std::max(width, devicePixel), Qt::SolidLine, Qt::RoundCap);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / GRID, size / GRID);

    // Water, with two rows of waves once there is room for them.
    QPainterPath water;
    water.addRoundedRect(QRectF(2, WATER_TOP, GRID - 4, WATER_BOTTOM - WATER_TOP), 5, 5);
    painter.fillPath(water, WATER);
    if (size >= 24) {
        painter.setPen(pen(WAVE, 1.5));
        painter.drawPath(wave(50));
        painter.drawPath(wave(56));
    }

    // Towers standing in the water, the deck across them.
    for (qreal x : TOWER_X) {
        const QRectF tower(x - TOWER_WIDTH / 2, TOWER_TOP, TOWER_WIDTH, TOWER_FOOT - TOWER_TOP);
        painter.fillRect(tower, BRIDGE_RED);
        painter.fillRect(QRectF(x - TOWER_WIDTH / 2 - 1, TOWER_FOOT - 3, TOWER_WIDTH + 2, 4),
                         BRIDGE_DARK);
    }
    painter.fillRect(QRectF(0, DECK_TOP, GRID, DECK_BOTTOM - DECK_TOP), BRIDGE_RED);
    painter.fillRect(QRectF(0, DECK_BOTTOM - 1.5, GRID, 1.5), BRIDGE_DARK);

    // Main cables and, when they can be told apart, the hangers down to the deck.
    painter.setBrush(Qt::NoBrush);
    if (size >= 32) {
        painter.setPen(pen(BRIDGE_RED, 1));
        for (const Span &span : SPANS)
            for (qreal x : HANGER_X)
                if (x > span.from.x() && x < span.to.x())
                    painter.drawLine(span.at(x), QPointF(x, DECK_TOP));
    }
    painter.setPen(pen(BRIDGE_RED, 2.5));
    for (const Span &span : SPANS) {
        QPainterPath cable(span.from);
        cable.quadTo(QPointF((span.from.x() + span.to.x()) / 2, span.sag), span.to);
        painter.drawPath(cable);
    }
}

} // namespace

QImage programIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintIcon(painter, size);
    return image;
}

namespace
{
// Draws the icon at the size asked for, when it is asked for: the window system may want only
// one or two of the sizes, and drawing them all would slow the start.
class ProgramIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        painter->drawImage(rect, programIconImage(qMax(rect.width(), rect.height())));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(programIconImage(qMax(1, qMin(size.width(), size.height()))));
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return QSize(side, side);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            sizes << QSize(side, side);
        return sizes;
    }
    QIconEngine *clone() const override { return new ProgramIconEngine; }
};
} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

} // namespace pictures
