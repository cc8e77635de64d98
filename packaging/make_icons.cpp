// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon as PNG files, one folder per size: make_icons DIR NAME SIZE...
#include "pictures/artwork.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        const QString folder = QStringLiteral("%1/%2").arg(dir).arg(size);
        QDir().mkpath(folder);
        if (!pictures::programIconImage(size).save(folder + QLatin1Char('/') + name + ".png"))
            return 1;
    }
    return 0;
}
