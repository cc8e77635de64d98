#include "pictures/artwork.h"
#include "pictures/canvas.h"

namespace pictures {

QImage bridge(qreal dpr)
{
    return canvas(QSize(129, 44), dpr, QColor(63,159,63));
}

} // namespace pictures
