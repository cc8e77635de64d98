// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picture_view.h"

#include "widgets/accessibility.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

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

// A part of a picture to screen readers: a push button or a check box at its zone.
class PartAccessible : public accessibility::Leaf, public QAccessibleActionInterface
{
public:
    PartAccessible(PictureView *view, int index) : Leaf(view), view(view), index(index) {}

    bool isValid() const override { return view && index < view->parts().size(); }
    QString text(QAccessible::Text type) const override
    {
        if (!isValid())
            return QString();
        if (type == QAccessible::Name)
            return part().name;
        return type == QAccessible::Description && part().describe ? part().describe() : QString();
    }
    QRect rect() const override
    {
        return isValid() ? QRect(view->mapToGlobal(part().zone.topLeft()), part().zone.size())
                         : QRect();
    }
    QAccessible::Role role() const override
    {
        return isValid() && part().checked ? QAccessible::CheckBox : QAccessible::Button;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.checkable = bool(part().checked);
        state.checked = part().checked && part().checked();
        state.disabled = !view->isEnabled();
        state.invisible = !view->isVisible();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    QStringList actionNames() const override
    {
        return {role() == QAccessible::CheckBox ? toggleAction() : pressAction()};
    }
    // The press comes once the screen reader has its answer, as a click that the event loop
    // delivers: it may open a modal dialog.
    void doAction(const QString &action) override
    {
        if (isValid() && actionNames().contains(action))
            QTimer::singleShot(0, view, [view = view, index = index] { view->pressPart(index); });
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    const PictureView::Part &part() const { return view->parts().at(index); }

    QPointer<PictureView> view;
    const int index;
};

// A picture to screen readers: its parts are its children.
class PictureAccessible : public QAccessibleWidget
{
public:
    explicit PictureAccessible(PictureView *view) : QAccessibleWidget(view) {}

    PictureView *view() const { return static_cast<PictureView *>(widget()); }
    QAccessible::Role role() const override
    {
        return view()->parts().isEmpty() ? QAccessibleWidget::role() : QAccessible::Pane;
    }
    int childCount() const override { return int(view()->parts().size()); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return parts.get(index, [this, index] { return new PartAccessible(view(), index); });
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; child && i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint p = view()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (view()->parts().at(i).zone.contains(p))
                return child(i);
        return nullptr;
    }

private:
    mutable accessibility::Parts parts;
};

QAccessibleInterface *accessiblePicture(const QString &, QObject *object)
{
    auto *view = qobject_cast<PictureView *>(object);
    return view ? new PictureAccessible(view) : nullptr;
}
} // namespace

PictureView::PictureView(QWidget *parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(&accessiblePicture), true);
    Q_UNUSED(accessible);
}

void PictureView::setParts(const QList<Part> &parts)
{
    partList = parts;
    announcedChecked.clear();
    announcedDescriptions.clear();
}

void PictureView::pressPart(int index)
{
    if (index >= 0 && index < partList.size() && accessibility::canPress(this))
        press(partList[index].zone.center(), Qt::NoButton);
}

void PictureView::press(QPoint point, Qt::MouseButton button)
{
    rememberParts();
    emit pressed(point.x(), point.y(), button);
    // Whatever the press led to (dialogs included) has happened by now.
    announceParts();
}

void PictureView::announcePartsLater()
{
    if (announcing || partList.isEmpty())
        return;
    announcing = true;
    QTimer::singleShot(0, this, &PictureView::announceParts);
}

void PictureView::rememberParts()
{
    if (!announcedChecked.isEmpty())
        return;
    for (const Part &part : std::as_const(partList)) {
        announcedChecked << (part.checked && part.checked());
        announcedDescriptions << (part.describe ? part.describe() : QString());
    }
}

void PictureView::announceParts()
{
    announcing = false;
    if (announcedChecked.isEmpty())
        return; // nothing has changed
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(this);
    for (int i = 0; i < partList.size(); ++i) {
        const Part &part = partList[i];
        const bool checked = part.checked && part.checked();
        const QString description = part.describe ? part.describe() : QString();
        if (checked != announcedChecked[i]) {
            announcedChecked[i] = checked;
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(face->child(i), changed);
            QAccessible::updateAccessibility(&event);
        }
        if (description != announcedDescriptions[i]) {
            announcedDescriptions[i] = description;
            QAccessibleEvent event(face->child(i), QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

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
    rememberParts();
    const QRgb rgb = color.rgb();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            plot(x, y, rgb);
    update();
    announcePartsLater();
}

void PictureView::drawLine(const QLine &line, const QColor &color)
{
    rememberParts();
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
    announcePartsLater();
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
    press(QPoint(int(std::floor(p.x())), int(std::floor(p.y()))), event->button());
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
        press(*point, Qt::NoButton);
}
