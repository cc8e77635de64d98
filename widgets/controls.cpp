#include "widgets/controls.h"

#include "pictures/artwork.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace controls
{

const QString LLC_CAPTION = QStringLiteral(" Couches LLC et supérieures");

namespace
{
// The family of a font file, loaded for this run; empty when the file is not there.
QString loadFontFile(const QString &path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families =
        id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    return families.isEmpty() ? QString() : families.first();
}
} // namespace

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
    const QString family = QStringLiteral("MS Sans Serif");
    const QString tahoma = QStringLiteral("Tahoma");
    const bool dense = qApp->devicePixelRatio() > 1.0;
    QString chosen;
    if (!dense && QFontDatabase::families().contains(family))
        chosen = family;
    if (chosen.isEmpty() && !dense)
        chosen = loadFontFile(QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf"));
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

void fitText(QLabel *label)
{
    QFont font = label->font();
    while (font.pixelSize() > 8 &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->contentsRect().width()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
}

void placeWindow(QWidget *window, int left, int top, int clientWidth, int clientHeight)
{
    window->setFixedSize(clientWidth, clientHeight);
    window->move(left, top);
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
        l->adjustSize();
        l->resize(l->width(), qMax(l->height(), LINE_HEIGHT));
    } else {
        l->setGeometry(x, y, w, h);
    }
    return l;
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
    QFont font = button->font();
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(button->text()) > room)
        font.setPixelSize(font.pixelSize() - 1);
    button->setFont(font);
}
} // namespace

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, int x, int y, int w,
                    int h)
{
    auto *c = named(new QCheckBox(text, parent), name, text);
    c->setGeometry(x, y, w, h);
    fitCaption(c);
    return c;
}

QRadioButton *radioButton(QWidget *parent, const char *name, const QString &text, int x, int y,
                          int w, int h)
{
    auto *r = named(new QRadioButton(text, parent), name, text);
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

namespace
{
// Draws every cell of the program's grids: the style's background, selection and focus, then
// the text, CELL_TEXT_MARGIN from the cell's left edge and cut at its right edge. A disabled grid
// (shown for reading) draws as an enabled one, so that its texts stay readable.
class CellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        cell.state |= QStyle::State_Enabled;
        const QString text = cell.text;
        cell.text.clear();
        const QStyle *style = cell.widget ? cell.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);

        const QPalette::ColorGroup group =
            cell.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        const QPalette::ColorRole role =
            cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setClipRect(cell.rect);
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(group, role));
        painter->drawText(cell.rect.adjusted(CELL_TEXT_MARGIN, 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter->restore();
    }

    // The room the text needs: its margin and its advance across, one line down.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QFontMetrics metrics(cell.font);
        return QSize(CELL_TEXT_MARGIN + metrics.horizontalAdvance(cell.text), metrics.height());
    }
};
} // namespace

QTableWidget *grid(QWidget *parent, const char *name, const QString &accessibleName, int x, int y,
                   int w, int h, int columns, int rows, int fixedColumns, int fixedRows,
                   int rowHeight)
{
    auto *g = named(new QTableWidget(rows, columns, parent), name, accessibleName);
    g->setGeometry(x, y, w, h);
    g->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Q_ASSERT(g->frameWidth() == GRID_BORDER);
    g->setItemDelegate(new CellDelegate(g));
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->verticalHeader()->setMinimumSectionSize(1);
    g->verticalHeader()->setDefaultSectionSize(rowHeight + GRID_LINE);
    g->horizontalHeader()->setMinimumSectionSize(1);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setWordWrap(false);
    g->setTabKeyNavigation(false);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const QPalette palette = g->palette();
    for (int r = 0; r < rows; ++r) {
        g->setRowHeight(r, rowHeight + GRID_LINE);
        for (int c = 0; c < columns; ++c) {
            auto *item = new QTableWidgetItem;
            if (r < fixedRows || c < fixedColumns) {
                // Not enabled: neither the mouse nor the arrow keys can make a header current.
                item->setFlags(Qt::NoItemFlags);
                item->setBackground(palette.button());
                item->setForeground(palette.buttonText());
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            g->setItem(r, c, item);
        }
    }
    if (rows > fixedRows && columns > fixedColumns)
        g->setCurrentCell(fixedRows, fixedColumns);
    return g;
}

void setColumnWidth(QTableWidget *grid, int column, int cellWidth)
{
    grid->setColumnWidth(column, cellWidth + GRID_LINE);
}

QTableWidget *frameRow(QWidget *parent, const char *name, int x, int y, const QString &caption)
{
    QTableWidget *row = grid(parent, name, QStringLiteral("Trame"), x, y, 385, 25, 5, 1, 0, 0);
    row->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int widths[5] = {98, 98, 10, 140, 22};
    for (int c = 0; c < 5; ++c)
        setColumnWidth(row, c, widths[c]);
    setCell(row, 3, 0, caption);
    setCell(row, 4, 0, QStringLiteral("FCS"));
    return row;
}

void displayOnly(QTableWidget *grid)
{
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setCurrentItem(nullptr);
    grid->clearSelection();
}

QString cell(const QTableWidget *grid, int column, int row)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

void setCell(QTableWidget *grid, int column, int row, const QString &text)
{
    if (QTableWidgetItem *item = grid->item(row, column))
        item->setText(text);
}

} // namespace controls
