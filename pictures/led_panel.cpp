// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The front panel of a hub, as the hub dialogs show it: a black frame with cut corners around a
// dark grey face, and for each of the four ports a receive and a transmit LED, each a black frame
// with a light grey centre under its "RX" or "TX" label. Only three colours are used and every
// shape is made of whole-pixel rectangles at the places of the network's geometry, where the
// dialogs paint and hit-test the LEDs, at any integer density.
#include "core/geometry.h"
#include "pictures/artwork.h"
#include "pictures/canvas.h"

#include <QPainter>

namespace pictures
{

namespace
{

using namespace geometry;
using geometry::colour::BLACK;
using geometry::colour::DARK_GREY;
using geometry::colour::LIGHT_GREY;

// Letters 6 pixels wide and 8 high, drawn row by row.
struct Letter {
    char name;
    const char *rows[8];
};
const Letter LETTERS[] = {
    {'R', {"#####.", "##..##", "##..##", "#####.", "####..", "##.##.", "##..##", "##..##"}},
    {'X', {"##..##", "##..##", ".####.", "..##..", "..##..", ".####.", "##..##", "##..##"}},
    {'T', {"######", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..", "..##.."}},
};
constexpr int LETTER_WIDTH = 6;

void drawLetter(QPainter &p, char name, int left, int top)
{
    for (const Letter &letter : LETTERS) {
        if (letter.name != name)
            continue;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < LETTER_WIDTH; ++x)
                if (letter.rows[y][x] == '#')
                    p.fillRect(QRect(left + x, top + y, 1, 1), BLACK);
    }
}

// Fills `r` with each corner cut off by a 45-degree step of `cut` pixels.
void fillChamfered(QPainter &p, const QRect &r, int cut, const QColor &color)
{
    p.fillRect(r.adjusted(0, cut, 0, -cut), color);
    for (int i = 0; i < cut; ++i) {
        const int inset = cut - i;
        p.fillRect(QRect(r.left() + inset, r.top() + i, r.width() - 2 * inset, 1), color);
        p.fillRect(QRect(r.left() + inset, r.bottom() - i, r.width() - 2 * inset, 1), color);
    }
}

} // namespace

QImage ledPanel(qreal dpr)
{
    QImage image = canvas(LED_PANEL_SIZE, dpr, LIGHT_GREY);
    QPainter p(&image);
    const QRect panel(QPoint(0, 0), LED_PANEL_SIZE);
    fillChamfered(p, panel, LED_PANEL_BORDER, BLACK);
    const int b = LED_PANEL_BORDER;
    fillChamfered(p, panel.adjusted(b, b, -b, -b), LED_PANEL_BORDER / 2, DARK_GREY);

    for (int k = 1; k <= 8; ++k) {
        const int left = LED_FRAME_LEFT[k];
        p.fillRect(QRect(left, LED_FRAME_TOP, LED_FRAME_SIZE, LED_FRAME_SIZE), BLACK);
        const int inner = LED_FRAME_SIZE - 2 * LED_FRAME_BORDER;
        p.fillRect(QRect(left + LED_FRAME_BORDER, LED_FRAME_TOP + LED_FRAME_BORDER, inner, inner),
                   LIGHT_GREY);
        // "RX" over the odd (receive) LED, "TX" over the even (transmit) one, centred.
        const int textLeft = left + (LED_FRAME_SIZE - (2 * LETTER_WIDTH + 1)) / 2;
        drawLetter(p, k % 2 == 1 ? 'R' : 'T', textLeft, LED_LABEL_TOP);
        drawLetter(p, 'X', textLeft + LETTER_WIDTH + 1, LED_LABEL_TOP);
    }
    return image;
}

} // namespace pictures
