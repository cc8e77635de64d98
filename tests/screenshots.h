// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the screenshot tool's modes: a window drawn with its caption, a desktop of windows,
// and the guide's pictures.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

class QWidget;

// The bytes of a file of examples/.
QByteArray readExample(const char *name);
// The window's picture under a plain title bar that carries its caption.
QImage framedWindow(QWidget *window);
// Each window framed at its place on a plain desktop.
QImage desktop(const QList<QWidget *> &windows);

// Plays a short series and saves the guide's pictures into `dir`; 0 when all were made.
int makeGuidePictures(const QString &dir);
