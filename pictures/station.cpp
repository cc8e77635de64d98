// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The station picture of the station dialogs: a desktop computer seen from the front, drawn as
// pixel art with whole-pixel rectangles so that it stays crisp at any integer density. It sits on
// the window background so that it blends into the dialog.
#include "core/geometry.h"
#include "pictures/artwork.h"
#include "pictures/canvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace pictures
{

namespace
{

using geometry::colour::BLACK;
using geometry::colour::DARK_GREY;
using geometry::colour::SILVER;
using geometry::colour::WHITE;
const QColor SCREEN(0, 0, 192);
const QColor GLARE(64, 128, 255);

// A raised box: black outline, light grey face, white top and left edges, dark grey bottom and
// right edges.
void raisedBox(QPainter &p, const QRect &r)
{
    p.fillRect(r, BLACK);
    const QRect face = r.adjusted(1, 1, -1, -1);
    p.fillRect(face, SILVER);
    p.fillRect(QRect(face.left(), face.top(), face.width(), 1), WHITE);
    p.fillRect(QRect(face.left(), face.top(), 1, face.height()), WHITE);
    p.fillRect(QRect(face.left(), face.bottom(), face.width(), 1), DARK_GREY);
    p.fillRect(QRect(face.right(), face.top(), 1, face.height()), DARK_GREY);
}

} // namespace

QImage station(qreal dpr)
{
    QImage image = canvas(QSize(34, 33), dpr, QGuiApplication::palette().color(QPalette::Window));
    QPainter p(&image);

    // Monitor, with its blue screen and a glint in the upper left corner.
    raisedBox(p, QRect(5, 0, 24, 18));
    p.fillRect(QRect(8, 3, 18, 11), DARK_GREY);
    p.fillRect(QRect(9, 4, 16, 9), SCREEN);
    p.fillRect(QRect(10, 5, 4, 1), GLARE);
    p.fillRect(QRect(10, 6, 2, 1), GLARE);
    p.fillRect(QRect(24, 15, 2, 1), BLACK); // power button
    // Stand.
    p.fillRect(QRect(13, 18, 8, 2), DARK_GREY);

    // System unit: a flat desktop case with a floppy slot and a drive light.
    raisedBox(p, QRect(1, 20, 32, 7));
    p.fillRect(QRect(20, 23, 9, 1), BLACK);
    p.fillRect(QRect(4, 23, 2, 1), geometry::colour::POWER_LIGHT);

    // Keyboard in front, wider at the bottom: black outline, white face, grey keys.
    for (int row = 0; row < 5; ++row) {
        const int inset = 4 - row;
        const QRect line(2 + inset, 28 + row, 30 - 2 * inset, 1);
        p.fillRect(line, BLACK);
        if (row == 0 || row == 4)
            continue;
        p.fillRect(line.adjusted(1, 0, -1, 0), WHITE);
        if (row % 2 == 1)
            for (int x = line.left() + 2; x < line.right() - 1; x += 2)
                p.fillRect(QRect(x, line.top(), 1, 1), DARK_GREY);
    }
    return image;
}

} // namespace pictures
