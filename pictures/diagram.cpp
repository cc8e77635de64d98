// The network diagram of the main window: the bridge box, the two hubs with their port squares
// and the six stations with their labels, on a light grey ground. The cables are not part of it:
// the main window draws them over the picture from its line table and routes clicks by pixel
// bands, so every element here stands at fixed picture pixels (inclusive ranges below). Shapes sit
// on whole logical pixels, so they stay exact at any integer dpr; each text is fitted into its box,
// so another font changes its look but never its place.
#include "pictures/artwork.h"
#include "pictures/canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <iterator>
#include <vector>

namespace pictures
{

namespace
{

const QColor GROUND(204, 204, 204);
const QColor BLACK(0, 0, 0);
const QColor WHITE(255, 255, 255);
const QColor BRIDGE_GREEN(63, 159, 63);
const QColor HUB_GREY(128, 128, 128);
const QColor LIGHT(192, 192, 192); // a dark LED, as in the hub dialogs
const QColor LABEL_BLUE(0, 0, 255);
const QColor CASE_LIGHT(236, 236, 236);
const QColor CASE_SHADE(160, 160, 160);
const QColor SCREEN_BLUE(0, 64, 200);
const QColor SCREEN_GLARE(64, 128, 232);

QRect span(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

enum class Align { Left, Centre };

struct Text {
    QString text;
    QRect box;
    QColor colour;
    Align align;
};

// The texts' face: Tahoma, the scalable successor of MS Sans Serif with the same cut (the free
// MS Sans Serif is a bitmap face whose glyphs neither fit these boxes nor scale), or the nearest
// sans-serif. Full hinting keeps the small sizes crisp at dpr 1.
QFont textFont()
{
    static const QStringList families = [] {
        if (!QFontDatabase::families().contains(QStringLiteral("Tahoma")))
            QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
        return QStringList{QStringLiteral("Tahoma"), QStringLiteral("Nimbus Sans"),
                           QStringLiteral("DejaVu Sans")};
    }();
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

bool fitsAll(const QFontMetrics &metrics, const std::vector<Text> &texts)
{
    return std::all_of(texts.begin(), texts.end(), [&](const Text &t) {
        const QRect ink = metrics.tightBoundingRect(t.text);
        return ink.width() <= t.box.width() && ink.height() <= t.box.height();
    });
}

const QRect BRIDGE_CAPTION = span(195, 40, 301, 47);

// Draws every text so that its ink lies inside its box, vertically centred, left-aligned or
// centred across, all at one pixel size: the largest up to 11 (8 pt) at which every text fits.
void drawTexts(QPainter &painter, const std::vector<Text> &texts)
{
    QFont font = textFont();
    for (int size = 11; size >= 6; --size) {
        font.setPixelSize(size);
        painter.setFont(font);
        if (fitsAll(painter.fontMetrics(), texts))
            break;
    }
    for (const Text &t : texts) {
        // The bridge's caption is drawn as in the bridge dialog, evenly spaced; its box still
        // bounds the size of the other texts.
        if (t.box == BRIDGE_CAPTION) {
            drawBridgeCaption(painter, t.box);
            continue;
        }
        const QRect ink = painter.fontMetrics().tightBoundingRect(t.text);
        const int across = t.align == Align::Centre ? (t.box.width() - ink.width()) / 2 : 0;
        const int down = (t.box.height() - ink.height()) / 2;
        painter.setPen(t.colour);
        painter.drawText(QPoint(t.box.left() - ink.left() + across, t.box.top() - ink.top() + down),
                         t.text);
    }
}

// An outline of `width` pixels drawn inward, with `fill` inside.
void framedRect(QPainter &painter, const QRect &r, int width, const QColor &fill)
{
    painter.fillRect(r, BLACK);
    painter.fillRect(r.adjusted(width, width, -width, -width), fill);
}

// --- Bridge --------------------------------------------------------------------------------------

const QRect BRIDGE_BOX = span(183, 23, 310, 65);

const Text BRIDGE_TEXTS[] = {
    {"Commutateur Ethernet", BRIDGE_CAPTION, BLACK, Align::Centre},
    {"TX", span(167, 61, 178, 68), LABEL_BLUE, Align::Centre},
    {"RX", span(197, 69, 209, 76), LABEL_BLUE, Align::Centre},
    {"TX", span(286, 68, 297, 75), LABEL_BLUE, Align::Centre},
    {"RX", span(314, 64, 326, 71), LABEL_BLUE, Align::Centre},
};

// --- Hubs ----------------------------------------------------------------------------------------

struct Hub {
    QRect bar;
    Text label;
    int receiveX[4]; // left edge of each port's receive square; its transmit square is 11 further
};

const Hub HUBS[] = {
    {span(36, 86, 175, 105),
     {"Hub 1", span(95, 74, 122, 81), BLACK, Align::Centre},
     {48, 80, 114, 146}},
    {span(313, 86, 454, 105),
     {"Hub 2", span(373, 76, 403, 83), BLACK, Align::Centre},
     {325, 358, 390, 424}},
};
const int PORT_TOP = 92;
const int PORT_SIZE = 8;
const int TRANSMIT_OFFSET = 11;

void drawHub(QPainter &painter, const Hub &hub)
{
    const QRectF outer(hub.bar);
    const qreal border = 2;
    QPainterPath path;
    path.addRoundedRect(outer, 6, 6);
    painter.fillPath(path, BLACK);
    QPainterPath inner;
    inner.addRoundedRect(outer.adjusted(border, border, -border, -border), 4, 4);
    painter.fillPath(inner, HUB_GREY);
    for (int x : hub.receiveX)
        for (int left : {x, x + TRANSMIT_OFFSET})
            framedRect(painter, QRect(left, PORT_TOP, PORT_SIZE, PORT_SIZE), 2, LIGHT);
}

// --- Stations ------------------------------------------------------------------------------------

struct Station {
    int iconX;
    int numberX;
    int transmitX1, transmitX2;
    int receiveX1, receiveX2;
};

const Station STATIONS[] = {
    {10, 2, 8, 19, 39, 51},         {72, 65, 67, 78, 95, 107},      {130, 120, 124, 135, 153, 165},
    {320, 307, 312, 323, 349, 361}, {382, 375, 378, 389, 406, 418}, {440, 433, 435, 446, 462, 474},
};
const int ICON_TOP = 143;
const int NUMBER_TOP = 164, NUMBER_BOTTOM = 172;
const int LABEL_TOP = 134, LABEL_BOTTOM = 142;

// A desktop computer in a 32 x 32 square: a monitor whose top edge is where the station's
// cables arrive, standing on a flat case.
void drawComputer(QPainter &painter, QPoint at)
{
    painter.save();
    painter.translate(at);
    // Monitor: white bezel, blue screen with a glare in its upper left corner.
    framedRect(painter, span(4, 0, 27, 18), 1, CASE_LIGHT);
    painter.fillRect(span(5, 17, 26, 17), CASE_SHADE);
    painter.fillRect(span(7, 3, 24, 14), BLACK);
    painter.fillRect(span(8, 4, 24, 14), SCREEN_BLUE);
    painter.fillRect(span(9, 5, 12, 5), SCREEN_GLARE);
    painter.fillRect(span(9, 6, 9, 7), SCREEN_GLARE);
    // Neck.
    painter.fillRect(span(12, 19, 19, 20), HUB_GREY);
    // Case: grey body with a white top edge, a drive slot and a power light.
    framedRect(painter, span(1, 21, 30, 29), 1, LIGHT);
    painter.fillRect(span(2, 22, 29, 22), WHITE);
    painter.fillRect(span(2, 28, 29, 28), CASE_SHADE);
    painter.fillRect(span(17, 24, 26, 25), BLACK);
    painter.fillRect(span(18, 25, 26, 25), CASE_LIGHT);
    painter.fillRect(span(4, 25, 5, 26), QColor(0, 160, 0));
    // Shadow on the ground.
    painter.fillRect(span(2, 30, 31, 30), CASE_SHADE);
    painter.restore();
}

// The station's number, just left of its icon, and its cable ends' labels above it.
void addStationTexts(std::vector<Text> &texts, const Station &s, int number)
{
    texts.push_back({QString::number(number),
                     span(s.numberX, NUMBER_TOP, s.iconX - 1, NUMBER_BOTTOM), BLACK, Align::Left});
    texts.push_back({QStringLiteral("TX"),
                     span(s.transmitX1, LABEL_TOP, s.transmitX2, LABEL_BOTTOM), LABEL_BLUE,
                     Align::Centre});
    texts.push_back({QStringLiteral("RX"), span(s.receiveX1, LABEL_TOP, s.receiveX2, LABEL_BOTTOM),
                     LABEL_BLUE, Align::Centre});
}

} // namespace

QImage diagram(qreal dpr)
{
    QImage image = canvas(QSize(487, 183), dpr, GROUND);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    std::vector<Text> texts(std::begin(BRIDGE_TEXTS), std::end(BRIDGE_TEXTS));
    framedRect(painter, BRIDGE_BOX, 3, BRIDGE_GREEN);
    for (const Hub &hub : HUBS) {
        drawHub(painter, hub);
        texts.push_back(hub.label);
    }
    int number = 1;
    for (const Station &s : STATIONS) {
        drawComputer(painter, QPoint(s.iconX, ICON_TOP));
        addStationTexts(texts, s, number++);
    }
    drawTexts(painter, texts);
    return image;
}

} // namespace pictures
