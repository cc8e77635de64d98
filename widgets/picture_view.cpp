// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picture_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <utility>

namespace
{
// The picture as the surface that lines and squares are drawn into, one QRgb per device pixel.
QImage surface(const QImage &picture)
{
    QImage converted = picture.convertToFormat(QImage::Format_RGB32);
    converted.setDevicePixelRatio(picture.devicePixelRatio());
    return converted;
}
} // namespace

PictureView::PictureView(QWidget *parent) : QWidget(parent) {}

void PictureView::setPicture(const QImage &picture)
{
    maker = nullptr;
    image = surface(picture);
    update();
}

void PictureView::setPicture(std::function<QImage()> make)
{
    maker = std::move(make);
    image = QImage();
    update();
}

const QImage &PictureView::picture() const
{
    if (maker)
        image = surface(std::exchange(maker, nullptr)());
    return image;
}

void PictureView::plot(int x, int y, QRgb rgb)
{
    picture();
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

void PictureView::fillRect(const QRect &rect, const QColor &color)
{
    const QRgb rgb = color.rgb();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            plot(x, y, rgb);
    update();
}

void PictureView::drawLine(const QLine &line, const QColor &color)
{
    // Bresenham, stepping along the major axis; the end point itself is not painted.
    const QRgb rgb = color.rgb();
    const int x1 = line.x1(), y1 = line.y1(), x2 = line.x2(), y2 = line.y2();
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    const bool steep = dy > dx;
    const int major = steep ? dy : dx, minor = steep ? dx : dy;
    const int stepAlong = steep ? sy : sx, stepAcross = steep ? sx : sy;
    int x = x1, y = y1;
    int &along = steep ? y : x;
    int &across = steep ? x : y;
    int err = major / 2;
    for (int i = 0; i < major; ++i) {
        plot(x, y, rgb);
        along += stepAlong;
        err -= minor;
        if (err < 0) {
            across += stepAcross;
            err += major;
        }
    }
    update();
}

QColor PictureView::pixel(int x, int y) const
{
    const QImage &shown = picture();
    const int scale = qMax(1, qRound(shown.devicePixelRatio()));
    const QPoint p(x * scale, y * scale);
    if (!shown.rect().contains(p))
        return QColor();
    return QColor(shown.pixel(p));
}

void PictureView::setKeyPoints(const QHash<int, QPoint> &points)
{
    keyPoints = points;
    setFocusPolicy(points.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

QList<int> PictureView::digitKeys(int n)
{
    static const int french[10] = {0,
                                   Qt::Key_Ampersand,
                                   Qt::Key_Eacute,
                                   Qt::Key_QuoteDbl,
                                   Qt::Key_Apostrophe,
                                   Qt::Key_ParenLeft,
                                   Qt::Key_Minus,
                                   Qt::Key_Egrave,
                                   Qt::Key_Underscore,
                                   Qt::Key_Ccedilla};
    if (n < 1 || n > 9)
        return {};
    return {Qt::Key_0 + n, french[n]};
}

void PictureView::paintEvent(QPaintEvent *)
{
    // At a fractional ratio (1.5) the image, made at the next whole ratio, is scaled down by
    // nearest pixels: no blur, and device pixel d shows logical pixel floor(d / ratio), the very
    // pixel a press there reports.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
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

void PictureView::keyPressEvent(QKeyEvent *event)
{
    // Shift stays allowed: a French keyboard needs it for the digits.
    const auto shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const auto point = keyPoints.constFind(event->key());
    if (point == keyPoints.constEnd() || (event->modifiers() & shortcut)) {
        QWidget::keyPressEvent(event); // Enter, Escape, Tab... go on to the window
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        emit pressed(point->x(), point->y(), Qt::NoButton);
}
