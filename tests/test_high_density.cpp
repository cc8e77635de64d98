// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a high-density screen (scale factor 2, set before the application starts): the
// pictures are made at twice their size, a whole exercise played by clicks at the usual picture
// pixels draws its path and LEDs as whole 2 x 2 device blocks, a press on any device pixel of a
// block reports that block's logical pixel, and at a fractional ratio (1.5) the picture is shown
// pixel for pixel, without blur, each device pixel showing the logical pixel a press there reports.
#include "dialogs/u_hub.h"
#include "dialogs/u_hub2.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "pictures/artwork.h"
#include "support/fixture.h"
#include "support/student.h"
#include "widgets/picture_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QSet>
#include <QToolButton>
#include <QtTest>

#include <cmath>

namespace
{

const QColor BLUE(0, 0, 255), RED(255, 0, 0), YELLOW(255, 255, 0), GREEN(0, 128, 0);

// True when the 2 x 2 device block of logical pixel (x, y) is all `color`.
bool blockIs(const QImage &device, int x, int y, const QColor &color)
{
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            if (device.pixelColor(2 * x + dx, 2 * y + dy) != color)
                return false;
    return true;
}

QImage grabbed(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestHighDensity : public QObject
{
    Q_OBJECT
private slots:
    void picturesAreMadeAtTheScreensRatio();
    void roadDrawnInWholeBlocks();
    void pressOnAnyDevicePixelOfABlock_data();
    void pressOnAnyDevicePixelOfABlock();
    void fractionalRatioShownPixelForPixel();
    void menuOverflowButtonShowsTheStylesPicture();
};

void TestHighDensity::picturesAreMadeAtTheScreensRatio()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    ProgramFixture program;
    QVERIFY(program.started());
    const QImage &diagram = Principale->Image1->picture();
    QCOMPARE(diagram.devicePixelRatio(), 2.0);
    QCOMPARE(diagram.size(), QSize(974, 366));
    QCOMPARE(diagram.deviceIndependentSize(), QSizeF(487, 183));
    QCOMPARE(f_hub1->Image1->picture().size(), QSize(830, 120));
    // Layouts keep their logical sizes: the screen doubles them.
    QCOMPARE(Principale->Image1->geometry(), QRect(72, 72, 489, 185));
    QCOMPARE(grabbed(Principale->Image1).size(), QSize(978, 370));
}

void TestHighDensity::roadDrawnInWholeBlocks()
{
    ProgramFixture program(defaultSettings(), QByteArray("2 5\n"));
    QVERIFY(program.started());
    {
        Autopilot pilot;
        using namespace student;
        for (QPoint p : {stationPoint(2), hubPoint(1), bridgePoint(), hubPoint(2), stationPoint(5)})
            clickDiagram(p); // logical picture pixels, as at scale 1
    }
    QCOMPARE(global.phase, PHASE_RECEIVED);
    QCOMPARE(global.error_count, 0);

    const QImage diagram = grabbed(Principale->Image1);
    struct Expect {
        int entry;
        bool second;
        QColor color;
    };
    const Expect path[] = {
        {2, false, RED},   {2, true, BLUE},   {1, true, YELLOW}, {3, true, YELLOW},
        {7, true, YELLOW}, {7, false, BLUE},  {8, false, RED},   {8, true, BLUE},
        {4, true, YELLOW}, {5, true, YELLOW}, {6, true, YELLOW}, {5, false, BLUE},
    };
    for (const Expect &e : path) {
        const QPoint p = student::cableStart(e.entry) + QPoint(e.second ? student::WIRE_GAP : 0, 0);
        QVERIFY2(blockIs(diagram, p.x(), p.y(), e.color),
                 qPrintable(QStringLiteral("cable %1 line %2").arg(e.entry).arg(e.second ? 2 : 1)));
    }
    // Station 2's red line, pixel by pixel from (84, 143) towards (86, 100): never a half block.
    int redBlocks = 0;
    for (int y = 101; y <= 143; ++y)
        for (int x = 84; x <= 86; ++x)
            if (blockIs(diagram, x, y, RED))
                ++redBlocks;
            else
                QVERIFY(diagram.pixelColor(2 * x, 2 * y) != RED &&
                        diagram.pixelColor(2 * x + 1, 2 * y + 1) != RED);
    QCOMPARE(redBlocks, 43);

    // Hub 1 after its pass: RX of port 2 green, TX of ports 1, 3, 4 red, as 24 x 24 device squares.
    const QImage leds = grabbed(f_hub1->Image1);
    for (auto [k, color] :
         {std::pair{3, GREEN}, std::pair{2, RED}, std::pair{6, RED}, std::pair{8, RED}}) {
        const int left = student::ledSquare(k).left();
        for (int y = 24; y < 36; ++y)
            for (int x = left; x < left + 12; ++x)
                QVERIFY(blockIs(leds, x, y, color));
        QVERIFY(leds.pixelColor(2 * (left + 12), 2 * 30) != color);
        QVERIFY(leds.pixelColor(2 * left - 1, 2 * 30) != color);
    }
}

void TestHighDensity::pressOnAnyDevicePixelOfABlock_data()
{
    QTest::addColumn<QPoint>("pixel");
    // The edges of the click bands: hub 1, station 1, the bridge.
    for (QPoint p : {QPoint(36, 95), QPoint(37, 86), QPoint(174, 104), QPoint(175, 95),
                     QPoint(15, 146), QPoint(39, 171), QPoint(184, 22), QPoint(309, 64)})
        QTest::newRow(qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y()))) << p;
}

void TestHighDensity::pressOnAnyDevicePixelOfABlock()
{
    QFETCH(QPoint, pixel);
    PictureView view;
    view.setPicture(pictures::diagram(qApp->devicePixelRatio()));
    view.resize(489, 185);
    view.drawLine(QLine(0, pixel.y(), 487, pixel.y()), RED);
    view.drawLine(QLine(pixel.x(), 0, pixel.x(), 183), RED);
    view.fillRect(QRect(pixel, QSize(1, 1)), GREEN);
    const QImage shown = grabbed(&view);
    QSignalSpy spy(&view, &PictureView::pressed);
    for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
            // The device pixel (2x + dx, 2y + dy), as a screen at ratio 2 reports it.
            const QPointF at(pixel.x() + dx / 2.0, pixel.y() + dy / 2.0);
            QMouseEvent press(QEvent::MouseButtonPress, at, view.mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&view, &press);
            QCOMPARE(spy.last().at(0).toInt(), pixel.x());
            QCOMPARE(spy.last().at(1).toInt(), pixel.y());
            // And that device pixel shows the logical pixel reported.
            QCOMPARE(shown.pixelColor(2 * pixel.x() + dx, 2 * pixel.y() + dy), GREEN);
        }
    }
    // The neighbours' device pixels report the neighbours.
    QMouseEvent before(QEvent::MouseButtonPress, QPointF(pixel.x() - 0.5, pixel.y()),
                       view.mapToGlobal(QPointF(pixel.x() - 0.5, pixel.y())), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &before);
    QCOMPARE(spy.last().at(0).toInt(), pixel.x() - 1);
    QCOMPARE(shown.pixelColor(2 * pixel.x() - 1, 2 * pixel.y()), RED);
}

void TestHighDensity::fractionalRatioShownPixelForPixel()
{
    PictureView view;
    view.setPicture(pictures::diagram(qApp->devicePixelRatio()));
    view.resize(489, 185);
    view.drawLine(QLine(23, 143, 54, 99), RED);
    view.drawLine(QLine(84 + 7, 143, 86 + 7, 100), YELLOW);
    view.fillRect(QRect(36, 18, 12, 12), GREEN);

    // The picture painted where the ratio is 1.5, as on a screen at that scale factor.
    const qreal ratio = 1.5;
    QImage shown(QSize(int(std::ceil(489 * ratio)), int(std::ceil(185 * ratio))),
                 QImage::Format_RGB32);
    shown.setDevicePixelRatio(ratio);
    shown.fill(Qt::white);
    view.render(&shown);

    // No blur: every colour shown is one of the picture's own.
    QSet<QRgb> own;
    const QImage &picture = view.picture();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            own.insert(picture.pixel(x, y));
    // Device pixel d shows logical pixel floor(d / 1.5), which a press there reports.
    int drawn = 0;
    for (int y = 0; y < int(183 * ratio); ++y) {
        for (int x = 0; x < int(487 * ratio); ++x) {
            const QRgb rgb = shown.pixel(x, y);
            QVERIFY2(own.contains(rgb), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            const QPointF at(x / ratio, y / ratio);
            const QColor logical = view.pixel(int(std::floor(at.x())), int(std::floor(at.y())));
            if (logical == RED || logical == YELLOW || logical == GREEN) {
                QCOMPARE(QColor(rgb), logical);
                ++drawn;
            } else {
                QVERIFY(QColor(rgb) != RED && QColor(rgb) != YELLOW && QColor(rgb) != GREEN);
            }
        }
    }
    QVERIFY(drawn > 144 * 2);
}

// The overflow button of a menu bar too narrow for its items draws its picture only when shown: the
// picture is then the style's own, at the screen's density.
void TestHighDensity::menuOverflowButtonShowsTheStylesPicture()
{
    ProgramFixture program;
    QVERIFY(program.started());
    QMenuBar bar;
    for (int i = 1; i <= 9; ++i)
        bar.addAction(QStringLiteral("Menu %1").arg(i));
    bar.resize(150, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    auto *more = bar.findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
    QVERIFY(more && more->isVisible());
    const auto *style = qobject_cast<const QProxyStyle *>(more->style());
    QVERIFY(style);
    const QIcon own = style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    for (const QSize size : {QSize(8, 5), QSize(16, 10), more->iconSize()})
        QCOMPARE(more->icon().pixmap(size, 2.0).toImage(), own.pixmap(size, 2.0).toImage());
    const auto painted = [](const QIcon &icon) {
        QImage image(QSize(16, 10) * 2, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2.0);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        icon.paint(&painter, QRect(0, 0, 16, 10));
        return image;
    };
    QCOMPARE(painted(more->icon()), painted(own));
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_high_density.moc"
