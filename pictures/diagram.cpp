// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The network diagram of the main window: the bridge box, the two hubs with their port squares
// and the six stations with their labels, on a light grey ground, each at the place the network's
// geometry gives it. The cables are not part of it: the main window draws them over the picture
// from the same geometry, and hit-tests presses with it. Shapes sit on whole logical pixels, so
// they stay exact at any integer dpr; each text is fitted into its box, so another font changes
// its look but never its place.
#include "core/geometry.h"
#include "pictures/artwork.h"
#include "pictures/canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace pictures
{

namespace
{

using namespace geometry;
using namespace geometry::colour;

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
    loadTextFace();
    QFont font;
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
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

// "TX" over the transmitting end and "RX" over the receiving end of a cable.
void addPortLabels(std::vector<Text> &texts, const PortLabels &labels)
{
    texts.push_back({QStringLiteral("TX"), labels.transmit, PORT_LABEL, Align::Centre});
    texts.push_back({QStringLiteral("RX"), labels.receive, PORT_LABEL, Align::Centre});
}

void drawHub(QPainter &painter, const HubShape &hub)
{
    const QRectF outer(hub.bar);
    const qreal border = HUB_BORDER;
    QPainterPath path;
    path.addRoundedRect(outer, HUB_CORNER_RADIUS, HUB_CORNER_RADIUS);
    painter.fillPath(path, BLACK);
    QPainterPath inner;
    inner.addRoundedRect(outer.adjusted(border, border, -border, -border),
                         HUB_CORNER_RADIUS - border, HUB_CORNER_RADIUS - border);
    painter.fillPath(inner, DARK_GREY);
    for (int port = 1; port <= 4; ++port) {
        const int x = hub.receiveSquareLeft[port];
        for (int left : {x, x + TRANSMIT_SQUARE_OFFSET})
            framedRect(painter, QRect(left, PORT_SQUARE_TOP, PORT_SQUARE_SIZE, PORT_SQUARE_SIZE),
                       PORT_SQUARE_BORDER, SILVER);
    }
}

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
    painter.fillRect(span(12, 19, 19, 20), DARK_GREY);
    // Case: grey body with a white top edge, a drive slot and a power light.
    framedRect(painter, span(1, 21, 30, 29), 1, SILVER);
    painter.fillRect(span(2, 22, 29, 22), WHITE);
    painter.fillRect(span(2, 28, 29, 28), CASE_SHADE);
    painter.fillRect(span(17, 24, 26, 25), BLACK);
    painter.fillRect(span(18, 25, 26, 25), CASE_LIGHT);
    painter.fillRect(span(4, 25, 5, 26), POWER_LIGHT);
    // Shadow on the ground.
    painter.fillRect(span(2, 30, 31, 30), CASE_SHADE);
    painter.restore();
}

} // namespace

QString availableFamily(const QString &family, const QString &file)
{
    if (QFontDatabase::families().contains(family))
        return family;
    const int id = QFontDatabase::addApplicationFont(file);
    return id >= 0 ? QFontDatabase::applicationFontFamilies(id).value(0) : QString();
}

void loadTextFace()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    availableFamily(QStringLiteral("Tahoma"), QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
}

QImage diagram(qreal dpr)
{
    QImage image = canvas(DIAGRAM_SIZE, dpr, GROUND);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    std::vector<Text> texts{{bridgeCaption(), BRIDGE_CAPTION, BLACK, Align::Centre}};
    for (const PortLabels &labels : BRIDGE_PORT_LABELS)
        addPortLabels(texts, labels);
    framedRect(painter, BRIDGE_BOX, BRIDGE_BORDER, BRIDGE_GREEN);
    for (int hub = 1; hub <= 2; ++hub) {
        drawHub(painter, HUBS[hub]);
        texts.push_back({QStringLiteral("Hub %1").arg(hub), HUBS[hub].label, BLACK, Align::Centre});
    }
    for (int s = 1; s <= 6; ++s) {
        drawComputer(painter, STATIONS[s].icon.topLeft());
        texts.push_back({QString::number(s), STATIONS[s].number, BLACK, Align::Left});
        addPortLabels(texts, STATIONS[s].labels);
    }
    drawTexts(painter, texts);
    return image;
}

} // namespace pictures
