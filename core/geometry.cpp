// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/geometry.h"

namespace geometry
{

QLine wireOf(int cable, Wire wire)
{
    const Cable &c = CABLES[cable];
    const int shift = wire == Wire::FromHub ? WIRE_GAP : 0;
    return QLine(c.x1 + shift, c.y1, c.x2 + shift, c.y2);
}

int cableOfPort(int hub, int port)
{
    // Hub 1: stations 1..3, then the bridge's left port; hub 2: the bridge's right port, then
    // stations 4..6.
    static constexpr int cables[3][5] = {{0, 0, 0, 0, 0}, {0, 1, 2, 3, 7}, {0, 8, 4, 5, 6}};
    return cables[hub][port];
}

DiagramHit hitDiagram(QPoint p)
{
    if (p.y() >= HUB_BAND_TOP && p.y() <= HUB_BAND_BOTTOM) {
        for (int hub = 1; hub <= 2; ++hub)
            if (HUB_ZONES[hub].contains(p))
                return {DiagramHit::HubBand, hub};
        return {DiagramHit::HubBand, 0};
    }
    for (int s = 1; s <= 6; ++s)
        if (STATION_ZONES[s].contains(p))
            return {DiagramHit::Station, s};
    if (BRIDGE_ZONE.contains(p))
        return {DiagramHit::Bridge, 0};
    return {};
}

QRect ledSquare(int k)
{
    const int inside = LED_FRAME_SIZE - 2 * LED_FRAME_BORDER;
    const int left = LED_FRAME_LEFT[k] + LED_FRAME_BORDER - (k >= 5 ? 1 : 0);
    return QRect(left, LED_FRAME_TOP + LED_FRAME_BORDER, inside, inside);
}

int ledAt(QPoint p)
{
    for (int k = 1; k <= 8; ++k)
        if (LED_ZONES[k].contains(p))
            return k;
    return 0;
}

QPoint wholeOnArea(const QRect &frame, const QRect &area)
{
    const auto along = [](int start, int length, int areaStart, int areaLength) {
        return qMax(areaStart, qMin(start, areaStart + areaLength - length));
    };
    return QPoint(along(frame.x(), frame.width(), area.x(), area.width()),
                  along(frame.y(), frame.height(), area.y(), area.height()));
}

} // namespace geometry
