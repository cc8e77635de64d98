// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the screenshots of the documentation from the real program: plays exercise 2 -> 5 of the
// example files up to the bridge, and lays each window's picture at its place on a desktop.
// Usage: kz_screenshots OUTPUT_DIR (run with QT_QPA_PLATFORM=offscreen, any QT_SCALE_FACTOR);
// kz_screenshots --guide OUTPUT_DIR makes the guide's pictures instead (guide_pictures.cpp).
#include "screenshots.h"

#include "dialogs/U_pont.h"
#include "dialogs/u_MACs.h"
#include "dialogs/u_dest.h"
#include "dialogs/u_hub2.h"
#include "dialogs/u_source.h"
#include "engine/anim_pont.h"
#include "engine/global.h"
#include "engine/u_avance.h"
#include "support/fixture.h"
#include "support/student.h"
#include "widgets/grid.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPushButton>

QByteArray readExample(const char *name)
{
    QFile file(QStringLiteral(KZ_EXAMPLES) + QLatin1Char('/') + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage framedWindow(QWidget *window)
{
    const qreal dpr = qApp->devicePixelRatio();
    const QRect frame(QPoint(0, 0), window->size() + QSize(8, 27));
    QImage image(frame.size() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    QPainter painter(&image);
    painter.fillRect(frame, QColor(212, 208, 200));
    painter.fillRect(QRect(QPoint(4, 4), QSize(frame.width() - 8, 19)), QColor(10, 36, 106));
    painter.setPen(Qt::white);
    painter.drawText(QPoint(8, 18), window->windowTitle());
    painter.drawPixmap(QPoint(4, 23), window->grab());
    return image;
}

// Each window's picture at its place, with a plain title bar, on a grey desktop.
QImage desktop(const QList<QWidget *> &windows)
{
    const qreal dpr = qApp->devicePixelRatio();
    QImage image(QSize(1024, 720) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(QColor(58, 110, 165));
    QPainter painter(&image);
    for (QWidget *w : windows)
        painter.drawImage(w->pos(), framedWindow(w));
    return image;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "--guide") == 0)
        return makeGuidePictures(QString::fromLocal8Bit(argv[2]));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    ProgramFixture program(readExample("kz_pont.INI"), readExample("pontexos.kz"));
    if (!program.started())
        return 1;
    {
        Autopilot pilot;
        student::clickDiagram(student::stationPoint(global.src_index));
        student::clickDiagram(student::hubPoint(isLeftStation(global.src_index) ? 1 : 2));
    }
    student::clickDiagram(student::hubPoint(1)); // shown again, read-only
    // The bridge as the student finds it, with the source address copied into its table.
    f_pont->show();
    student::clickCell(f_pont->trame, 1, 0);
    student::clickButton(f_pont->majgauche);
    app.processEvents();

    const qreal dpr = app.devicePixelRatio();
    const QString suffix = dpr > 1 ? QStringLiteral("@%1x").arg(dpr) : QString();
    QDir().mkpath(out);
    const QList<QWidget *> windows{Principale, f_hub1, AdressesMAC, f_avance, f_pont};
    if (!desktop(windows).save(out + QStringLiteral("/screenshot") + suffix + ".png"))
        return 1;
    const QList<QWidget *> all{Principale, f_Station_emettrice, f_pont,        f_avance,
                               f_hub1,     AdressesMAC,         f_destination, f_hub2};
    for (QWidget *w : all)
        w->grab().save(out + QLatin1Char('/') + w->objectName() + suffix + ".png");
    return 0;
}
