// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/canvas.h"

#include <cmath>

namespace pictures
{

QImage canvas(QSize logicalSize, qreal dpr, const QColor &background)
{
    const int scale = qMax(1, int(std::ceil(dpr)));
    QImage image(logicalSize * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(background);
    return image;
}

} // namespace pictures
