// Shared start of every piece of artwork: an image of a logical size at a device pixel ratio,
// filled with a background, and a painter that works in logical pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace pictures
{

QImage canvas(QSize logicalSize, qreal dpr, const QColor &background);

} // namespace pictures
