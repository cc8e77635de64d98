// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls.h"

#include "pictures/artwork.h"
#include "platform/desktop.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace controls
{

QString llcCaption()
{
    return QCoreApplication::translate("controls", " Couches LLC et supérieures");
}

void installProgramFont()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // The artwork's face first: every font file is loaded before any text is measured.
    pictures::loadTextFace();
    // The layouts were drawn for MS Sans Serif 8 pt. Its free replacement only has bitmaps,
    // which a high-density screen would draw tiny: there the scalable Tahoma of the same
    // family of designs takes its place.
    const QString tahoma = QStringLiteral("Tahoma");
    const bool dense = qApp->devicePixelRatio() > 1.0;
    QString chosen;
    if (!dense)
        chosen =
            pictures::availableFamily(QStringLiteral("MS Sans Serif"),
                                      QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf"));
    if (chosen.isEmpty() && QFontDatabase::families().contains(tahoma))
        chosen = tahoma;
    QFont font = QApplication::font();
    if (!chosen.isEmpty()) {
        font.setFamily(chosen);
    } else {
        font.setFamilies({tahoma, QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                          QStringLiteral("DejaVu Sans")});
        font.setStyleHint(QFont::SansSerif);
    }
    // 8 points on the 96-dpi screens the layouts were drawn for; Tahoma is a little wider.
    font.setPixelSize(dense ? 10 : 11);
    QApplication::setFont(font);
}

namespace
{
// A style's icon made when it is first drawn or measured.
class LaterIcon : public QIconEngine
{
public:
    LaterIcon(const QStyle *style, QStyle::StandardPixmap which) : style(style), which(which) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice *device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, icon().pixmap(rect.size(), ratio, mode, state));
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new LaterIcon(style, which); }
    bool isNull() override { return false; }
    void virtual_hook(int id, void *data) override
    {
        if (id == ScaledPixmapHook) {
            // Asked in device pixels; the icon answers for a size in its own pixels.
            auto *arg = static_cast<ScaledPixmapArgument *>(data);
            arg->pixmap = icon().pixmap(arg->size / arg->scale, arg->scale, arg->mode, arg->state);
        } else if (id == IsNullHook) {
            *static_cast<bool *>(data) = false;
        } else {
            QIconEngine::virtual_hook(id, data);
        }
    }

private:
    const QIcon &icon()
    {
        if (made.isNull() && style)
            made = style->standardIcon(which);
        return made;
    }
    const QPointer<const QStyle> style;
    const QStyle::StandardPixmap which;
    QIcon made;
};

// The platform's style, but for the overflow button of menu bars, which shows only when a menu
// bar is too narrow for its items: its picture, read from image files through Qt's image format
// plugins, is made when the button is first drawn.
class ProgramStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option,
                       const QWidget *widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton)
            return QIcon(new LaterIcon(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};
} // namespace

void installProgramStyle()
{
    QApplication::setStyle(new ProgramStyle);
}

void setBold(QWidget *widget, int pixelSize)
{
    QFont font = widget->font();
    font.setBold(true);
    // The true bold face of an outline font of the same narrow build, where there is one.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Arial"), font.family()});
    font.setStyleStrategy(QFont::ForceOutline);
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    widget->setFont(font);
}

namespace
{
// `widget`'s font, a pixel smaller at a time (down to 8 pixels) until `text` fits in `room`.
void shrinkToFit(QWidget *widget, const QString &text, int room)
{
    QFont font = widget->font();
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    widget->setFont(font);
}
} // namespace

void fitText(QLabel *label)
{
    shrinkToFit(label, label->text(), label->contentsRect().width());
}

void placeWindow(QWidget *window, int left, int top, int clientWidth, int clientHeight)
{
    window->setFixedSize(clientWidth, clientHeight);
    platform::placeFrame(window, QPoint(left, top));
}

void placeWindowOuter(QWidget *window, int left, int top, int outerWidth, int outerHeight)
{
    placeWindow(window, left, top, outerWidth - FRAME_WIDTH, outerHeight - FRAME_HEIGHT);
}

namespace
{
template <class W> W *named(W *widget, const char *name, const QString &accessible)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(accessible);
    return widget;
}
} // namespace

QWidget *panel(QWidget *parent, const char *name, int x, int y, int w, int h)
{
    auto *p = named(new QWidget(parent), name, QString());
    p->setGeometry(x, y, w, h);
    return p;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y, int w, int h)
{
    auto *l = named(new QLabel(text, parent), name, text);
    if (w < 0) {
        l->move(x, y);
        sizeToText(l);
    } else {
        l->setGeometry(x, y, w, h);
    }
    return l;
}

void sizeToText(QLabel *label)
{
    label->adjustSize();
    label->resize(label->width(), qMax(label->height(), LINE_HEIGHT));
}

void setCaption(QWidget *widget, const QString &text)
{
    widget->setProperty("text", text);
    widget->setAccessibleName(text);
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, int x, int y, int w,
                    int h)
{
    auto *b = named(new QPushButton(text, parent), name, text);
    b->setGeometry(x, y, w, h);
    b->setAutoDefault(false);
    return b;
}

QPushButton *completionButton(QWidget *parent, const char *name, const QString &text, int x, int y,
                              int w, int h)
{
    QPushButton *b = button(parent, name, text, x, y, w, h);
    b->setIcon(pictures::checkGlyph());
    b->setDefault(true);
    return b;
}

namespace
{
// A check box or radio button reacts to a click anywhere in its box, as on the platform the
// layouts were drawn for, not only on its mark and caption.
template <class Button> class WholeBox : public Button
{
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint &pos) const override { return this->rect().contains(pos); }
};

// The arrow keys choose the radio button they move to within its group, as desktop radio groups
// do; Qt's own only carry a choice already made along.
class RadioBox : public WholeBox<QRadioButton>
{
public:
    using WholeBox::WholeBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        WholeBox::keyPressEvent(event);
        const int key = event->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down && key != Qt::Key_Left && key != Qt::Key_Right)
            return;
        auto *reached = qobject_cast<QRadioButton *>(QApplication::focusWidget());
        if (reached && reached != this && reached->parentWidget() == parentWidget() &&
            !reached->isChecked())
            reached->click();
    }
};

// The caption spacing of check boxes and radio buttons, over the application's style.
class CaptionStyle : public QProxyStyle
{
public:
    CaptionStyle() : QProxyStyle(QApplication::style()->name()) { setParent(qApp); }
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing)
            return CAPTION_SPACING;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Gives the caption its spacing; a caption still wider than its fixed box (a wider fallback
// font) is drawn smaller, not cut.
void fitCaption(QAbstractButton *button)
{
    static QPointer<CaptionStyle> captionStyle;
    if (!captionStyle)
        captionStyle = new CaptionStyle;
    button->setStyle(captionStyle);
    const bool radio = qobject_cast<QRadioButton *>(button) != nullptr;
    QStyle *style = button->style();
    const int room =
        button->width() -
        style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth,
                           nullptr, button) -
        style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                 : QStyle::PM_CheckBoxLabelSpacing,
                           nullptr, button);
    shrinkToFit(button, button->text(), room);
}
} // namespace

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, int x, int y, int w,
                    int h)
{
    auto *c = named(new WholeBox<QCheckBox>(text, parent), name, text);
    c->setGeometry(x, y, w, h);
    fitCaption(c);
    return c;
}

QRadioButton *radioButton(QWidget *parent, const char *name, const QString &text, int x, int y,
                          int w, int h)
{
    auto *r = named(new RadioBox(text, parent), name, text);
    r->setGeometry(x, y, w, h);
    fitCaption(r);
    return r;
}

QLineEdit *field(QWidget *parent, const char *name, int x, int y, int w, int h)
{
    auto *f = named(new QLineEdit(parent), name, QString());
    f->setGeometry(x, y, w, h);
    f->setReadOnly(true);
    return f;
}

Grid *grid(QWidget *parent, const char *name, const QString &accessibleName, int x, int y, int w,
           int h, int columns, int rows, int fixedColumns, int fixedRows, int rowHeight)
{
    auto *g = named(new Grid(columns, rows, fixedColumns, fixedRows, rowHeight, parent), name,
                    accessibleName);
    g->setGeometry(x, y, w, h);
    return g;
}

Grid *frameRow(QWidget *parent, const char *name, int x, int y, const QString &caption)
{
    Grid *row = grid(parent, name, QString(), x, y, 385, 25, 5, 1, 0, 0);
    const int widths[5] = {98, 98, 10, 140, 22};
    for (int c = 0; c < 5; ++c)
        row->setColumnWidth(c, widths[c]);
    if (!caption.isNull())
        writeFrameRowTexts(row, caption);
    return row;
}

void writeFrameRowTexts(Grid *row, const QString &caption)
{
    row->setAccessibleName(QCoreApplication::translate("controls", "Trame"));
    row->setText(3, 0, caption);
    row->setText(4, 0, QStringLiteral("FCS"));
    // The frame's fields, for screen readers: the row has no header to say them.
    const QString meanings[5] = {
        QCoreApplication::translate("controls", "Adresse MAC de destination"),
        QCoreApplication::translate("controls", "Adresse MAC source"),
        QCoreApplication::translate("controls", "Champ longueur"),
        QCoreApplication::translate("controls", "Données des couches supérieures"),
        QCoreApplication::translate("controls", "Séquence de contrôle de la trame")};
    for (int c = 0; c < 5; ++c)
        row->setColumnDescription(c, meanings[c]);
}

} // namespace controls
