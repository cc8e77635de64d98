#include "pictures/artwork.h"
#include "pictures/canvas.h"

#include <QPixmap>

namespace pictures {

QIcon checkGlyph()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(canvas(QSize(16, 16), 1, QColor(0, 128, 0))), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(canvas(QSize(16, 16), 1, QColor(128, 128, 128))),
                   QIcon::Disabled);
    return icon;
}

} // namespace pictures
