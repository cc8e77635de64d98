// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The artwork read back pixel by pixel: the network diagram must carry each element at the
// picture pixels where the main window draws the cables and routes the clicks, at dpr 1 and, as
// dpr x dpr blocks, at dpr 2; the program icon must be a transparent, red-and-blue picture at
// every size it is offered in.
#include "pictures/artwork.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

namespace
{

const QColor GROUND(204, 204, 204);
const QColor BLACK(0, 0, 0);
const QColor GREEN(63, 159, 63);
const QColor HUB_GREY(128, 128, 128);
const QColor PORT_LIGHT(192, 192, 192);

// Left edges of the six station icons and the start x of each station's cable (its first line;
// the second starts 7 further right), all at y 143.
const int ICON_X[6] = {10, 72, 130, 320, 382, 440};
const int CABLE_X[6] = {23, 84, 143, 333, 394, 454};

QColor at(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

bool isGround(const QColor &c)
{
    return c == GROUND;
}
bool isBlueInk(const QColor &c)
{
    return c.blue() - std::max(c.red(), c.green()) > 100;
}
bool isStrongBlue(const QColor &c)
{
    return c.blue() >= 200 && c.red() < 60 && c.green() < 60;
}
bool isDarkInk(const QColor &c)
{
    return qGray(c.rgb()) < 100;
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void shapesAtTheirPixels_data();
    void shapesAtTheirPixels();
    void portSquares_data();
    void portSquares();
    void stations_data();
    void stations();
    void textsInTheirBoxes_data();
    void textsInTheirBoxes();
    void doubleDensityHasTwiceTheDevicePixels();

    void iconAtEverySize_data();
    void iconAtEverySize();
    void programIconOffersSeveralSizes();
    void scalableIconIsWellFormed();

private:
    QImage single;
    QImage twice;
};

void TestArtwork::initTestCase()
{
    single = pictures::diagram(1);
    twice = pictures::diagram(2);
    QCOMPARE(single.size(), QSize(487, 183));
}

void TestArtwork::shapesAtTheirPixels_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("colour");

    // Bridge box x 183..310, y 23..65: a 3-pixel black border around the green fill.
    QTest::newRow("bridge fill upper left") << 190 << 30 << GREEN;
    QTest::newRow("bridge fill lower right") << 303 << 58 << GREEN;
    QTest::newRow("bridge fill under caption") << 246 << 55 << GREEN;
    QTest::newRow("bridge fill inside border") << 186 << 26 << GREEN;
    QTest::newRow("bridge fill inside border right") << 307 << 62 << GREEN;
    QTest::newRow("bridge border top left") << 183 << 23 << BLACK;
    QTest::newRow("bridge border left third") << 185 << 44 << BLACK;
    QTest::newRow("bridge border top third") << 246 << 25 << BLACK;
    QTest::newRow("bridge border right") << 310 << 44 << BLACK;
    QTest::newRow("bridge border right third") << 308 << 44 << BLACK;
    QTest::newRow("bridge border bottom right") << 310 << 65 << BLACK;
    QTest::newRow("bridge border bottom third") << 246 << 63 << BLACK;
    QTest::newRow("left cable first line end") << 184 << 65 << BLACK;
    QTest::newRow("left cable second line end") << 191 << 65 << BLACK;
    QTest::newRow("right cable first line end") << 297 << 65 << BLACK;
    QTest::newRow("right cable second line end") << 304 << 65 << BLACK;
    QTest::newRow("left of bridge") << 182 << 44 << GROUND;
    QTest::newRow("above bridge") << 246 << 22 << GROUND;
    QTest::newRow("right of bridge") << 311 << 44 << GROUND;
    QTest::newRow("below bridge") << 246 << 66 << GROUND;

    // Hub bars x 36..175 and 313..454, y 86..105: black border, grey fill.
    QTest::newRow("hub 1 fill between ports 1 and 2") << 72 << 95 << HUB_GREY;
    QTest::newRow("hub 1 fill left end") << 42 << 95 << HUB_GREY;
    QTest::newRow("hub 1 fill right end") << 170 << 95 << HUB_GREY;
    QTest::newRow("hub 1 fill above ports") << 100 << 89 << HUB_GREY;
    QTest::newRow("hub 1 fill below ports") << 100 << 102 << HUB_GREY;
    QTest::newRow("hub 1 border top") << 100 << 86 << BLACK;
    QTest::newRow("hub 1 border top inner") << 100 << 87 << BLACK;
    QTest::newRow("hub 1 border bottom") << 100 << 105 << BLACK;
    QTest::newRow("hub 1 border left") << 36 << 95 << BLACK;
    QTest::newRow("hub 1 border right") << 175 << 95 << BLACK;
    QTest::newRow("above hub 1") << 100 << 85 << GROUND;
    QTest::newRow("below hub 1") << 100 << 106 << GROUND;
    QTest::newRow("left of hub 1") << 35 << 95 << GROUND;
    QTest::newRow("right of hub 1") << 176 << 95 << GROUND;
    QTest::newRow("hub 2 fill") << 350 << 95 << HUB_GREY;
    QTest::newRow("hub 2 fill right end") << 449 << 95 << HUB_GREY;
    QTest::newRow("hub 2 border top") << 400 << 86 << BLACK;
    QTest::newRow("hub 2 border bottom") << 400 << 105 << BLACK;
    QTest::newRow("hub 2 border left") << 313 << 95 << BLACK;
    QTest::newRow("hub 2 border right") << 454 << 95 << BLACK;
    QTest::newRow("left of hub 2") << 312 << 95 << GROUND;
    QTest::newRow("right of hub 2") << 455 << 95 << GROUND;

    // Places where nothing stands.
    QTest::newRow("top left corner") << 0 << 0 << GROUND;
    QTest::newRow("bottom right corner") << 486 << 182 << GROUND;
    QTest::newRow("between the hubs") << 244 << 95 << GROUND;
    QTest::newRow("under the bridge") << 246 << 120 << GROUND;
    QTest::newRow("between stations 3 and 4") << 240 << 160 << GROUND;
    QTest::newRow("between stations 1 and 2") << 55 << 150 << GROUND;
    QTest::newRow("right of hub 2 label") << 460 << 78 << GROUND;
}

// Each sample is one logical pixel: exact at dpr 1, and a whole 2 x 2 block at dpr 2.
void TestArtwork::shapesAtTheirPixels()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QColor, colour);
    QCOMPARE(at(single, x, y), colour);
    for (int dy : {0, 1})
        for (int dx : {0, 1})
            QCOMPARE(at(twice, 2 * x + dx, 2 * y + dy), colour);
}

void TestArtwork::portSquares_data()
{
    QTest::addColumn<int>("left");
    const int receiveX[8] = {48, 80, 114, 146, 325, 358, 390, 424};
    for (int i = 0; i < 8; ++i) {
        const int hub = i / 4 + 1, port = i % 4 + 1;
        QTest::addRow("hub %d port %d receive", hub, port) << receiveX[i];
        QTest::addRow("hub %d port %d transmit", hub, port) << receiveX[i] + 11;
    }
}

// Each port square is 8 x 8 at y 92..99: a 2-pixel black ring around a light 4 x 4 centre,
// standing on the hub's grey.
void TestArtwork::portSquares()
{
    QFETCH(int, left);
    const int top = 92;
    for (int y = top; y < top + 8; ++y) {
        for (int x = left; x < left + 8; ++x) {
            const bool ring = x < left + 2 || x >= left + 6 || y < top + 2 || y >= top + 6;
            QCOMPARE(at(single, x, y), ring ? BLACK : PORT_LIGHT);
            QCOMPARE(at(twice, 2 * x + 1, 2 * y + 1), ring ? BLACK : PORT_LIGHT);
        }
    }
    QCOMPARE(at(single, left - 1, top + 4), HUB_GREY);
    QCOMPARE(at(single, left + 8, top + 4), HUB_GREY);
    QCOMPARE(at(single, left + 4, top - 1), HUB_GREY);
    QCOMPARE(at(single, left + 4, top + 8), HUB_GREY);
}

void TestArtwork::stations_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("cable");
    for (int s = 0; s < 6; ++s)
        QTest::addRow("station %d", s + 1) << ICON_X[s] << CABLE_X[s];
}

// Each computer fills a 32 x 32 square at y 143..174, with a blue screen, and its cables'
// first and second lines start on its top edge.
void TestArtwork::stations()
{
    QFETCH(int, left);
    QFETCH(int, cable);
    const int top = 143;
    QVERIFY(isBlueInk(at(single, left + 16, top + 7)));
    QVERIFY(isBlueInk(at(twice, 2 * (left + 16), 2 * (top + 7))));
    QVERIFY(!isGround(at(single, cable, top)));
    QVERIFY(!isGround(at(single, cable + 7, top)));
    QVERIFY(isGround(at(single, left + 16, top - 1)));
    QVERIFY(isGround(at(single, left + 16, top + 32)));

    // The icon reaches both its side columns and no further (the number sits lower, at left).
    bool leftUsed = false, rightUsed = false;
    for (int y = top; y < top + 32; ++y) {
        leftUsed = leftUsed || !isGround(at(single, left + 1, y));
        rightUsed = rightUsed || !isGround(at(single, left + 31, y));
        QVERIFY2(isGround(at(single, left + 32, y)), qPrintable(QString::number(y)));
        if (y < 164)
            QVERIFY2(isGround(at(single, left - 1, y)), qPrintable(QString::number(y)));
    }
    QVERIFY(leftUsed);
    QVERIFY(rightUsed);
}

void TestArtwork::textsInTheirBoxes_data()
{
    QTest::addColumn<QRect>("box");
    QTest::addColumn<bool>("blue");
    const auto box = [](int x1, int y1, int x2, int y2) {
        return QRect(QPoint(x1, y1), QPoint(x2, y2));
    };
    QTest::newRow("bridge caption") << box(195, 40, 301, 47) << false;
    QTest::newRow("bridge left TX") << box(167, 61, 178, 68) << true;
    QTest::newRow("bridge left RX") << box(197, 69, 209, 76) << true;
    QTest::newRow("bridge right TX") << box(286, 68, 297, 75) << true;
    QTest::newRow("bridge right RX") << box(314, 64, 326, 71) << true;
    QTest::newRow("Hub 1") << box(95, 74, 122, 81) << false;
    QTest::newRow("Hub 2") << box(373, 76, 403, 83) << false;
    const int numberX[6] = {2, 65, 120, 307, 375, 433};
    const int transmit[6][2] = {{8, 19}, {67, 78}, {124, 135}, {312, 323}, {378, 389}, {435, 446}};
    const int receive[6][2] = {{39, 51}, {95, 107}, {153, 165}, {349, 361}, {406, 418}, {462, 474}};
    for (int s = 0; s < 6; ++s) {
        QTest::addRow("station %d number", s + 1)
            << box(numberX[s], 164, ICON_X[s] - 1, 172) << false;
        QTest::addRow("station %d TX", s + 1)
            << box(transmit[s][0], 134, transmit[s][1], 142) << true;
        QTest::addRow("station %d RX", s + 1)
            << box(receive[s][0], 134, receive[s][1], 142) << true;
    }
}

// A text's ink stands inside its box (blue labels carry pure blue strokes), and the pixels
// right around the box carry none of it.
void TestArtwork::textsInTheirBoxes()
{
    QFETCH(QRect, box);
    QFETCH(bool, blue);
    const auto ink = [&](const QColor &c) { return blue ? isBlueInk(c) : isDarkInk(c); };
    int inside = 0, strong = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            inside += ink(at(single, x, y));
            strong += isStrongBlue(at(single, x, y));
        }
    QVERIFY2(inside >= 4, qPrintable(QString::number(inside)));
    if (blue)
        QVERIFY(strong >= 4);
    const QRect around = box.adjusted(-1, -1, 1, 1);
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (!box.contains(x, y))
                QVERIFY2(!ink(at(single, x, y)), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void TestArtwork::doubleDensityHasTwiceTheDevicePixels()
{
    QCOMPARE(twice.size(), QSize(974, 366));
    QCOMPARE(twice.devicePixelRatio(), 2.0);
    QCOMPARE(single.devicePixelRatio(), 1.0);
}

void TestArtwork::iconAtEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d", size) << size;
}

// Transparent around the drawing, with red (the bridge) and blue (the water) in it.
void TestArtwork::iconAtEverySize()
{
    QFETCH(int, size);
    const QImage icon = pictures::programIconImage(size);
    QCOMPARE(icon.size(), QSize(size, size));
    QCOMPARE(icon.format(), QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0);
    int transparent = 0, red = 0, blue = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QColor c = icon.pixelColor(x, y);
            transparent += c.alpha() == 0;
            red += c.alpha() == 255 && c.red() > 150 && c.green() < 80 && c.blue() < 80;
            blue += c.alpha() == 255 && c.blue() > 150 && c.red() < 100;
        }
    const int area = size * size;
    QVERIFY2(transparent > area / 5, qPrintable(QString::number(transparent)));
    QVERIFY2(red > area / 20, qPrintable(QString::number(red)));
    QVERIFY2(blue > area / 20, qPrintable(QString::number(blue)));
}

void TestArtwork::programIconOffersSeveralSizes()
{
    const QIcon icon = pictures::programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 32, 48, 256})
        QVERIFY(sizes.contains(QSize(size, size)));
    QVERIFY(!icon.pixmap(32).isNull());
}

// The menu's scalable twin parses and draws on the same 64 x 64 grid.
void TestArtwork::scalableIconIsWellFormed()
{
    const QString path = QFINDTESTDATA("../pictures/kz_pont.svg");
    QVERIFY(!path.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QLatin1String("svg"));
    QCOMPARE(xml.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 64 64"));
    int shapes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            ++shapes;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(shapes > 10);
}

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
