#include "widgets/controls.h"

#include "pictures/artwork.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
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
    // The layouts were drawn for MS Sans Serif 8 pt. Its free replacement only has bitmaps,
    // which a high-density screen would draw tiny: there the scalable Tahoma of the same
    // family of designs takes its place.
    const QString wine = QStringLiteral("/usr/share/wine/fonts/");
    const QString family = QStringLiteral("MS Sans Serif");
    const bool dense = qApp->devicePixelRatio() > 1.0;
    QString chosen;
    if (!dense && QFontDatabase::families().contains(family))
        chosen = family;
    if (chosen.isEmpty() && !dense)
        chosen = loadFontFile(wine + QStringLiteral("ms_sans_serif.ttf"));
    if (chosen.isEmpty())
        chosen = loadFontFile(wine + QStringLiteral("tahoma.ttf"));
    QFont font = QApplication::font();
    if (!chosen.isEmpty()) {
        font.setFamily(chosen);
    } else {
        font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
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
    // An outline font of the same narrow build as the bitmap one, where there is one.
    font.setFamilies({font.family(), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Arial")});
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

QPushButton *glyphButton(QWidget *parent, const char *name, const QString &text, int x, int y,
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

// A caption wider than its fixed box (a wider fallback font) is drawn smaller, not cut.
void shrinkToFit(QAbstractButton *button)
{
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
    auto *c = named(new WholeBox<QCheckBox>(text, parent), name, text);
    c->setGeometry(x, y, w, h);
    shrinkToFit(c);
    return c;
}

QRadioButton *radioButton(QWidget *parent, const char *name, const QString &text, int x, int y,
                          int w, int h)
{
    auto *r = named(new WholeBox<QRadioButton>(text, parent), name, text);
    r->setGeometry(x, y, w, h);
    shrinkToFit(r);
    return r;
}

QLineEdit *field(QWidget *parent, const char *name, int x, int y, int w, int h)
{
    auto *f = named(new QLineEdit(parent), name, QString());
    f->setGeometry(x, y, w, h);
    f->setReadOnly(true);
    return f;
}

QTableWidget *grid(QWidget *parent, const char *name, const QString &accessibleName, int x, int y,
                   int w, int h, int columns, int rows, int fixedColumns, int fixedRows,
                   int rowHeight)
{
    auto *g = named(new QTableWidget(rows, columns, parent), name, accessibleName);
    g->setGeometry(x, y, w, h);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->verticalHeader()->setMinimumSectionSize(1);
    g->verticalHeader()->setDefaultSectionSize(rowHeight);
    g->horizontalHeader()->setMinimumSectionSize(1);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setWordWrap(false);
    // Cells were sized for the text alone; a MAC text fills a 98-pixel cell but for the item
    // margins, and an ellipsis would hide its last digits.
    g->setTextElideMode(Qt::ElideNone);
    g->setTabKeyNavigation(false);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const QPalette palette = g->palette();
    for (int r = 0; r < rows; ++r) {
        g->setRowHeight(r, rowHeight);
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

QTableWidget *frameRow(QWidget *parent, const char *name, int x, int y, const QString &caption)
{
    QTableWidget *row = grid(parent, name, QStringLiteral("Trame"), x, y, 385, 25, 5, 1, 0, 0);
    row->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int widths[5] = {98, 98, 10, 140, 22};
    for (int c = 0; c < 5; ++c)
        row->setColumnWidth(c, widths[c]);
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
