// The front panel of a hub, as the hub dialogs show it: a black frame with cut corners around a
// dark grey face, and for each of the four ports a receive and a transmit LED, each a black frame
// with a light grey centre under its "RX" or "TX" label. Only three colours are used and every
// shape is made of whole-pixel rectangles, so the LED squares stand exactly where the dialogs
// paint and hit-test them, at any integer density.
#include "pictures/artwork.h"
#include "pictures/canvas.h"

#include <QPainter>

namespace pictures
{

namespace
{

const QColor BLACK(0, 0, 0);
const QColor DARK(128, 128, 128);
const QColor LIGHT(204, 204, 204);

// Left edge of the black frame of LEDs 1..8.
const int LED_FRAME_LEFT[9] = {0, 36, 69, 131, 164, 227, 260, 322, 355};
constexpr int LED_FRAME_TOP = 18;
constexpr int LED_FRAME_SIZE = 24;
constexpr int LED_BORDER = 6;
constexpr int LABEL_TOP = 8;

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
    QImage image = canvas(QSize(415, 60), dpr, LIGHT);
    QPainter p(&image);
    fillChamfered(p, QRect(0, 0, 415, 60), 6, BLACK);
    fillChamfered(p, QRect(6, 6, 403, 48), 3, DARK);

    for (int k = 1; k <= 8; ++k) {
        const int left = LED_FRAME_LEFT[k];
        p.fillRect(QRect(left, LED_FRAME_TOP, LED_FRAME_SIZE, LED_FRAME_SIZE), BLACK);
        const int inner = LED_FRAME_SIZE - 2 * LED_BORDER;
        p.fillRect(QRect(left + LED_BORDER, LED_FRAME_TOP + LED_BORDER, inner, inner), LIGHT);
        // "RX" over the odd (receive) LED, "TX" over the even (transmit) one, centred.
        const int textLeft = left + (LED_FRAME_SIZE - (2 * LETTER_WIDTH + 1)) / 2;
        drawLetter(p, k % 2 == 1 ? 'R' : 'T', textLeft, LABEL_TOP);
        drawLetter(p, 'X', textLeft + LETTER_WIDTH + 1, LABEL_TOP);
    }
    return image;
}

} // namespace pictures
