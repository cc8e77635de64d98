#include "pictures/artwork.h"
#include "pictures/canvas.h"

namespace pictures {

QImage ledPanel(qreal dpr)
{
    return canvas(QSize(415, 60), dpr, QColor(128,128,128));
}

} // namespace pictures
