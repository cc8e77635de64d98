#include "pictures/picture_view.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <cstdlib>

PictureView::PictureView(QWidget *parent) : QWidget(parent) {}

void PictureView::setPicture(const QImage &picture)
{
    image = picture.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(picture.devicePixelRatio());
    update();
}

QSize PictureView::pictureSize() const
{
    const qreal dpr = image.devicePixelRatio();
    return QSize(qRound(image.width() / dpr), qRound(image.height() / dpr));
}

void PictureView::plot(int x, int y, QRgb rgb)
{
    const int scale = qMax(1, qRound(image.devicePixelRatio()));
    for (int dy = 0; dy < scale; ++dy) {
        const int py = y * scale + dy;
        if (py < 0 || py >= image.height())
            continue;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(py));
        for (int dx = 0; dx < scale; ++dx) {
            const int px = x * scale + dx;
            if (px >= 0 && px < image.width())
                line[px] = rgb;
        }
    }
}

void PictureView::fillRect(int x1, int y1, int x2, int y2, const QColor &color)
{
    const QRgb rgb = color.rgb();
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            plot(x, y, rgb);
    update();
}

void PictureView::drawLine(int x1, int y1, int x2, int y2, const QColor &color)
{
    // Bresenham, stepping along the major axis; the end point itself is not painted.
    const QRgb rgb = color.rgb();
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int x = x1, y = y1;
    if (dx >= dy) {
        int err = dx / 2;
        for (int i = 0; i < dx; ++i) {
            plot(x, y, rgb);
            x += sx;
            err -= dy;
            if (err < 0) {
                y += sy;
                err += dx;
            }
        }
    } else {
        int err = dy / 2;
        for (int i = 0; i < dy; ++i) {
            plot(x, y, rgb);
            y += sy;
            err -= dx;
            if (err < 0) {
                x += sx;
                err += dy;
            }
        }
    }
    update();
}

QColor PictureView::pixel(int x, int y) const
{
    const int scale = qMax(1, qRound(image.devicePixelRatio()));
    const QPoint p(x * scale, y * scale);
    if (!image.rect().contains(p))
        return QColor();
    return QColor(image.pixel(p));
}

void PictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image);
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = event->position();
    emit pressed(int(std::floor(p.x())), int(std::floor(p.y())), event->button());
}

// A double click is a second press, as on the original platform.
void PictureView::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}
