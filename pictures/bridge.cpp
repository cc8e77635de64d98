// The bridge box of the bridge dialog: a green box with a thick black border, lit from the top
// left by one light grey line, labelled "Commutateur Ethernet"; and that caption, which the
// network diagram's bridge carries too.
#include "pictures/artwork.h"
#include "pictures/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace pictures
{

void drawBridgeCaption(QPainter &painter, const QRect &box)
{
    const QString text = QStringLiteral("Commutateur Ethernet");
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Small letters, shrunk further if this system's font runs wide.
    int pixels = 10;
    font.setPixelSize(pixels);
    QRect ink = QFontMetrics(font).tightBoundingRect(text);
    while (pixels > 6 && (ink.width() > box.width() || ink.height() > box.height())) {
        font.setPixelSize(--pixels);
        ink = QFontMetrics(font).tightBoundingRect(text);
    }
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawText(box.left() - ink.left() + (box.width() - ink.width()) / 2,
                     box.top() - ink.top() + (box.height() - ink.height()) / 2, text);
    painter.restore();
}

QImage bridge(qreal dpr)
{
    const QSize size(129, 44);
    const QColor green(63, 159, 63);
    const QColor lightGrey(204, 204, 204);
    const int border = 3;

    QImage image = canvas(size, dpr, green);
    QPainter painter(&image);
    // The black box takes everything right of and below the grey line.
    const QRect box(1, 1, size.width() - 1, size.height() - 1);
    painter.fillRect(box, Qt::black);
    painter.fillRect(box.adjusted(border, border, -border, -border), green);
    painter.fillRect(QRect(0, 0, size.width(), 1), lightGrey);
    painter.fillRect(QRect(0, 0, 1, size.height()), lightGrey);

    drawBridgeCaption(painter, box.adjusted(border + 4, border, -border - 4, -border));
    return image;
}

} // namespace pictures
