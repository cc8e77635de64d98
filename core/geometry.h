// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The network as it is drawn, defined once: the colours, the diagram of the main window (its
// elements, the cable table, the click bands), the LED panel of the hub dialogs (LED squares and
// their press zones) and the bridge box. The pictures draw from these, the windows draw the
// frame's path and hit-test presses with them. Coordinates are logical picture pixels; every
// QRect here is built from its first and last pixel, so ranges are inclusive.
#pragma once

#include <QColor>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace geometry
{

// --- Colours -------------------------------------------------------------------------------------

namespace colour
{
constexpr QColor BLACK(0, 0, 0);
constexpr QColor WHITE(255, 255, 255);
constexpr QColor LIGHT_GREY(204, 204, 204);
constexpr QColor DARK_GREY(128, 128, 128);
constexpr QColor SILVER(192, 192, 192);
constexpr QColor BLUE(0, 0, 255);
constexpr QColor RED(255, 0, 0);
constexpr QColor YELLOW(255, 255, 0);
constexpr QColor GREEN(0, 128, 0);
constexpr QColor BRIDGE_GREEN(63, 159, 63);

// What each colour means on the diagram and on the LED panels.
constexpr QColor GROUND = LIGHT_GREY;         // the diagram's background, an LED never lit
constexpr QColor CABLE_AT_REST = BLUE;        // both wires of every cable at a new exercise
constexpr QColor FRAME_SENT = RED;            // a station's or the bridge's emission
constexpr QColor FRAME_REPEATED = YELLOW;     // a hub's repetition out of its transmit LEDs
constexpr QColor RX_LIT = GREEN;              // a lit receive LED
constexpr QColor TX_LIT = RED;                // a lit transmit LED
constexpr QColor LED_OFF = SILVER;            // an LED switched off
constexpr QColor PORT_LABEL = BLUE;           // "TX" and "RX" beside the cables' ends
constexpr QColor INSTRUCTION_GROUND = YELLOW; // behind the main window's instruction

// The computer icons of the diagram.
constexpr QColor CASE_LIGHT(236, 236, 236);
constexpr QColor CASE_SHADE(160, 160, 160);
constexpr QColor SCREEN_BLUE(0, 64, 200);
constexpr QColor SCREEN_GLARE(64, 128, 232);
constexpr QColor POWER_LIGHT(0, 160, 0);
} // namespace colour

// --- The diagram ---------------------------------------------------------------------------------

constexpr QSize DIAGRAM_SIZE(487, 183);

// The cable table. Cable s (1..6) joins station s to its hub port, cable 7 the bridge's left port
// to hub 1, cable 8 its right port to hub 2. A cable is two wires: the first, from (x1, y1) to
// (x2, y2), carries the frame towards the hub; the second, WIRE_GAP pixels to its right, carries
// what the hub port sends back.
struct Cable {
    int x1, y1, x2, y2;
};
constexpr int CABLE_COUNT = 8;
constexpr Cable CABLES[CABLE_COUNT + 1] = {
    {0, 0, 0, 0},        {23, 143, 54, 99},   {84, 143, 86, 100},
    {143, 143, 120, 99}, {333, 143, 364, 99}, {394, 143, 396, 99},
    {454, 143, 430, 99}, {184, 65, 151, 93},  {297, 65, 328, 93},
};
constexpr int WIRE_GAP = 7;
enum class Wire { ToHub, FromHub };
QLine wireOf(int cable, Wire wire);
// The cable on port `port` (1..4) of hub `hub` (1 or 2).
int cableOfPort(int hub, int port);

// Click zones. The hub band spans the whole width: a press in it off both hubs is a hub click
// that hits no hub.
constexpr int HUB_BAND_TOP = 86, HUB_BAND_BOTTOM = 104;
constexpr QRect HUB_ZONES[3] = {{},
                                {QPoint(37, HUB_BAND_TOP), QPoint(174, HUB_BAND_BOTTOM)},
                                {QPoint(313, HUB_BAND_TOP), QPoint(453, HUB_BAND_BOTTOM)}};
constexpr int STATION_BAND_TOP = 146, STATION_BAND_BOTTOM = 171;
constexpr QRect STATION_ZONES[7] = {
    {},
    {QPoint(15, STATION_BAND_TOP), QPoint(39, STATION_BAND_BOTTOM)},
    {QPoint(75, STATION_BAND_TOP), QPoint(99, STATION_BAND_BOTTOM)},
    {QPoint(134, STATION_BAND_TOP), QPoint(158, STATION_BAND_BOTTOM)},
    {QPoint(324, STATION_BAND_TOP), QPoint(348, STATION_BAND_BOTTOM)},
    {QPoint(386, STATION_BAND_TOP), QPoint(410, STATION_BAND_BOTTOM)},
    {QPoint(444, STATION_BAND_TOP), QPoint(468, STATION_BAND_BOTTOM)}};
constexpr QRect BRIDGE_ZONE(QPoint(184, 22), QPoint(309, 64));

// What a press on the diagram hits: the hub band (hub 1, 2, or 0 off both hubs), a station
// (1..6), the bridge, or nothing.
struct DiagramHit {
    enum Kind { Nothing, HubBand, Station, Bridge };
    Kind kind = Nothing;
    int number = 0;
};
DiagramHit hitDiagram(QPoint p);

// The elements as the picture draws them.
constexpr QRect BRIDGE_BOX(QPoint(183, 23), QPoint(310, 65));
constexpr int BRIDGE_BORDER = 3;
constexpr QRect BRIDGE_CAPTION(QPoint(195, 40), QPoint(301, 47));

// Where the "TX" and "RX" labels of a station or of a bridge port stand.
struct PortLabels {
    QRect transmit, receive;
};
constexpr PortLabels BRIDGE_PORT_LABELS[2] = {
    {{QPoint(167, 61), QPoint(178, 68)}, {QPoint(197, 69), QPoint(209, 76)}}, // left port
    {{QPoint(286, 68), QPoint(297, 75)}, {QPoint(314, 64), QPoint(326, 71)}}, // right port
};

// A hub: its bar, its label, and the left edges of its ports' receive squares (ports 1..4); each
// transmit square stands TRANSMIT_SQUARE_OFFSET further right.
struct HubShape {
    QRect bar, label;
    int receiveSquareLeft[5];
};
constexpr HubShape HUBS[3] = {
    {},
    {{QPoint(36, 86), QPoint(175, 105)}, {QPoint(95, 74), QPoint(122, 81)}, {0, 48, 80, 114, 146}},
    {{QPoint(313, 86), QPoint(454, 105)},
     {QPoint(373, 76), QPoint(403, 83)},
     {0, 325, 358, 390, 424}},
};
constexpr int HUB_BORDER = 2;
constexpr int HUB_CORNER_RADIUS = 6;
constexpr int PORT_SQUARE_TOP = 92, PORT_SQUARE_SIZE = 8, PORT_SQUARE_BORDER = 2;
constexpr int TRANSMIT_SQUARE_OFFSET = 11;

// A station: its computer icon, its number just left of it, its cable end's labels above it.
struct StationShape {
    QRect icon, number;
    PortLabels labels;
};
constexpr int ICON_TOP = 143, ICON_SIZE = 32;
constexpr int NUMBER_TOP = 164, NUMBER_BOTTOM = 172;
constexpr int LABEL_TOP = 134, LABEL_BOTTOM = 142;
constexpr StationShape stationShape(int iconLeft, int numberLeft, int tx1, int tx2, int rx1,
                                    int rx2)
{
    return {QRect(QPoint(iconLeft, ICON_TOP), QSize(ICON_SIZE, ICON_SIZE)),
            QRect(QPoint(numberLeft, NUMBER_TOP), QPoint(iconLeft - 1, NUMBER_BOTTOM)),
            {QRect(QPoint(tx1, LABEL_TOP), QPoint(tx2, LABEL_BOTTOM)),
             QRect(QPoint(rx1, LABEL_TOP), QPoint(rx2, LABEL_BOTTOM))}};
}
constexpr StationShape STATIONS[7] = {
    {},
    stationShape(10, 2, 8, 19, 39, 51),
    stationShape(72, 65, 67, 78, 95, 107),
    stationShape(130, 120, 124, 135, 153, 165),
    stationShape(320, 307, 312, 323, 349, 361),
    stationShape(382, 375, 378, 389, 406, 418),
    stationShape(440, 433, 435, 446, 462, 474),
};

// --- The LED panel of the hub dialogs ------------------------------------------------------------

constexpr QSize LED_PANEL_SIZE(415, 60);
// The black frame round the dark grey face; corners cut by its width outside, by half inside.
constexpr int LED_PANEL_BORDER = 6;
// LED k (1..8): a black frame with a light centre, under its "RX" (odd k) or "TX" (even k) label.
constexpr int LED_FRAME_LEFT[9] = {0, 36, 69, 131, 164, 227, 260, 322, 355};
constexpr int LED_FRAME_TOP = 18, LED_FRAME_SIZE = 24, LED_FRAME_BORDER = 6;
constexpr int LED_LABEL_TOP = 8;

// The 12 x 12 square painted when LED k is switched on or off. For LEDs 5 to 8 it stands one pixel
// left of the frame's light centre, where it always stood.
QRect ledSquare(int k);
// Where LED k takes presses.
constexpr QRect LED_ZONES[9] = {
    {},
    {QPoint(39, 21), QPoint(57, 39)},
    {QPoint(72, 21), QPoint(90, 39)},
    {QPoint(134, 21), QPoint(152, 39)},
    {QPoint(167, 21), QPoint(185, 39)},
    {QPoint(231, 21), QPoint(249, 39)},
    {QPoint(263, 21), QPoint(281, 39)},
    {QPoint(325, 21), QPoint(343, 39)},
    {QPoint(358, 21), QPoint(376, 39)},
};
// The LED under a press: 1..8, or 0 when none.
int ledAt(QPoint p);

// --- The bridge box of the bridge dialog ---------------------------------------------------------

constexpr QSize BRIDGE_PICTURE_SIZE(129, 44);
// Black border inside a one-pixel light grey line along the top and left edges.
constexpr int BRIDGE_PICTURE_BORDER = 3;

// --- Windows on the screen ----------------------------------------------------------------------

// The window frame the layouts were designed for: outer size = client size + this.
constexpr QSize DESIGN_FRAME(8, 27);
// Where a window's outer frame goes on a screen whose available area is `area`: where it stands
// when it is whole on the area, else moved just enough to be; a frame larger than the area keeps
// its top-left corner (its title bar) on it.
QPoint wholeOnArea(const QRect &frame, const QRect &area);

} // namespace geometry
