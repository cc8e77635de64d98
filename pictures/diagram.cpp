#include "pictures/artwork.h"
#include "pictures/canvas.h"

namespace pictures {

QImage diagram(qreal dpr)
{
    return canvas(QSize(487, 183), dpr, QColor(204,204,204));
}

} // namespace pictures
