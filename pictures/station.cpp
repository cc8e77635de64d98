#include "pictures/artwork.h"
#include "pictures/canvas.h"

namespace pictures {

QImage station(qreal dpr)
{
    return canvas(QSize(34, 33), dpr, QColor(192,192,192));
}

} // namespace pictures
