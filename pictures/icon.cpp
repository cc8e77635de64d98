#include "pictures/artwork.h"
#include "pictures/canvas.h"

#include <QPixmap>

namespace pictures {

QImage programIconImage(int size) { return canvas(QSize(size, size), 1, QColor(200, 0, 0)); }

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

} // namespace pictures
