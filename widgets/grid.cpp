// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/grid.h"

#include "widgets/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace controls
{

namespace
{

// The grid to screen readers: a table of the cells that are not headers, as the algorithms'
// columns and rows less the header ones, whose cells are linked to their headers (those of their
// column in the fixed rows, those of their row in the fixed columns). Its children are the
// table's cells row by row, child i being the table's cell (i / columns, i % columns) as the
// accessibility bus counts them, then the header cells row by row.
struct Layout {
    const Grid *grid;
    int fixedColumns() const
    {
        int n = 0;
        while (n < grid->columnCount() && grid->isFixedColumn(n))
            ++n;
        return n;
    }
    int fixedRows() const
    {
        int n = 0;
        while (n < grid->rowCount() && grid->isFixedRow(n))
            ++n;
        return n;
    }
    int columns() const { return grid->columnCount() - fixedColumns(); }
    int rows() const { return grid->rowCount() - fixedRows(); }
    int cells() const { return grid->columnCount() * grid->rowCount(); }
    // The child index of the grid's cell (column, row), and back.
    int childOf(int column, int row) const
    {
        const int fc = fixedColumns(), fr = fixedRows(), all = grid->columnCount();
        if (!grid->isFixed(column, row))
            return (row - fr) * columns() + column - fc;
        const int header = row < fr ? row * all + column : fr * all + (row - fr) * fc + column;
        return rows() * columns() + header;
    }
    QPoint cellOf(int child) const
    {
        const int fc = fixedColumns(), fr = fixedRows(), all = grid->columnCount();
        if (child < rows() * columns())
            return QPoint(fc + child % columns(), fr + child / columns());
        const int header = child - rows() * columns();
        if (header < fr * all)
            return QPoint(header % all, header / all);
        return QPoint((header - fr * all) % fc, fr + (header - fr * all) / fc);
    }
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit GridAccessible(Grid *grid) : QAccessibleWidget(grid, QAccessible::Table) {}

    Grid *grid() const { return static_cast<Grid *>(widget()); }
    Layout layout() const { return Layout{grid()}; }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return layout().cells(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        const QPoint cell = layout().cellOf(index);
        return gridCell(cell.x(), cell.y());
    }
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override
    {
        int column, row;
        return grid()->cellAt(grid()->mapFromGlobal(QPoint(x, y)), &column, &row)
                   ? gridCell(column, row)
                   : nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        return grid()->hasFocus() && grid()->currentRow() >= 0
                   ? gridCell(grid()->currentColumn(), grid()->currentRow())
                   : nullptr;
    }
    // The cell (column, row) in the grid's own numbering, headers included.
    QAccessibleInterface *gridCell(int column, int row) const;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        // Qt's AT-SPI bridge uses the answer without checking it, even for the numbers a screen
        // reader asks outside the table: those get the nearest cell instead of a crash.
        const Layout at = layout();
        if (at.rows() <= 0 || at.columns() <= 0)
            return nullptr;
        return gridCell(qBound(0, column, at.columns() - 1) + at.fixedColumns(),
                        qBound(0, row, at.rows() - 1) + at.fixedRows());
    }
    int selectedCellCount() const override { return selectedCells().size(); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> selected;
        for (int row = 0; row < grid()->rowCount(); ++row)
            for (int column = 0; column < grid()->columnCount(); ++column)
                if (grid()->isSelected(column, row))
                    selected << gridCell(column, row);
        return selected;
    }
    // A column is described by its header cells, or else by what it holds; a row by its headers.
    QString columnDescription(int column) const override
    {
        const Layout at = layout();
        QStringList texts;
        for (int row = 0; row < at.fixedRows(); ++row)
            texts << grid()->text(column + at.fixedColumns(), row);
        return texts.isEmpty() ? grid()->columnDescription(column + at.fixedColumns())
                               : texts.join(QLatin1Char(' '));
    }
    QString rowDescription(int row) const override
    {
        const Layout at = layout();
        QStringList texts;
        for (int column = 0; column < at.fixedColumns(); ++column)
            texts << grid()->text(column, row + at.fixedRows());
        return texts.join(QLatin1Char(' '));
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return layout().columns(); }
    int rowCount() const override { return layout().rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    mutable accessibility::Parts cells;
};

// A cell, in the grid's numbering. A cell that can be chosen is chosen by its focus action, as a
// click on it would.
class CellAccessible : public accessibility::Leaf,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface
{
public:
    CellAccessible(Grid *grid, int column, int row)
        : Leaf(grid), grid(grid), column(column), row(row)
    {
    }

    bool isValid() const override { return grid; }
    QString text(QAccessible::Text type) const override
    {
        if (!grid)
            return QString();
        if (type == QAccessible::Name || type == QAccessible::Value)
            return grid->text(column, row);
        return type == QAccessible::Description ? grid->columnDescription(column) : QString();
    }
    QRect rect() const override
    {
        if (!grid)
            return QRect();
        const QRect cell = grid->cellRect(column, row);
        return QRect(grid->mapToGlobal(cell.topLeft()), cell.size());
    }
    // Header cells are the column headers of the fixed rows and the row headers of the fixed
    // columns, as a table view's header sections.
    QAccessible::Role role() const override
    {
        if (grid && grid->isFixedRow(row))
            return QAccessible::ColumnHeader;
        if (grid && grid->isFixedColumn(column))
            return QAccessible::RowHeader;
        return QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!grid) {
            state.invalid = true;
            return state;
        }
        state.selectable = choosable();
        state.focusable = choosable();
        state.selected = grid->isSelected(column, row);
        // Every grid keeps a current cell; only that of the grid with the keyboard focus is
        // focused.
        state.focused =
            grid->hasFocus() && grid->currentColumn() == column && grid->currentRow() == row;
        state.disabled = !grid->isEnabled();
        state.invisible = !grid->isVisible();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    QStringList actionNames() const override
    {
        return choosable() ? QStringList{setFocusAction()} : QStringList();
    }
    void doAction(const QString &action) override
    {
        if (action != setFocusAction() || !choosable() || !accessibility::canPress(grid))
            return;
        grid->setCurrentCell(column, row);
        grid->window()->activateWindow();
        grid->setFocus(Qt::OtherFocusReason);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    bool isSelected() const override { return grid && grid->isSelected(column, row); }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        QList<QAccessibleInterface *> headers;
        for (int r = 0; grid && r < row && grid->isFixedRow(r); ++r)
            headers << headerCell(column, r);
        return headers;
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override
    {
        QList<QAccessibleInterface *> headers;
        for (int c = 0; grid && c < column && grid->isFixedColumn(c); ++c)
            headers << headerCell(c, row);
        return headers;
    }
    // In the table's numbering, where a header cell stands before the first column or row (-1),
    // as the accessibility bus counts header cells.
    int columnIndex() const override
    {
        return grid && !grid->isFixedColumn(column) ? column - Layout{grid}.fixedColumns() : -1;
    }
    int rowIndex() const override
    {
        return grid && !grid->isFixedRow(row) ? row - Layout{grid}.fixedRows() : -1;
    }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    bool choosable() const
    {
        return grid && grid->selection() != Grid::Selection::None && !grid->isFixed(column, row);
    }
    QAccessibleInterface *headerCell(int c, int r) const
    {
        auto *face = static_cast<GridAccessible *>(parent());
        return face ? face->gridCell(c, r) : nullptr;
    }

    QPointer<Grid> grid;

public:
    const int column, row;
};

int GridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *cell = dynamic_cast<const CellAccessible *>(child);
    return cell && child->parent() == this ? layout().childOf(cell->column, cell->row) : -1;
}

QAccessibleInterface *GridAccessible::gridCell(int column, int row) const
{
    if (row < 0 || row >= grid()->rowCount() || column < 0 || column >= grid()->columnCount())
        return nullptr;
    return cells.get(row * grid()->columnCount() + column,
                     [this, column, row] { return new CellAccessible(grid(), column, row); });
}

QAccessibleInterface *accessibleGrid(const QString &, QObject *object)
{
    auto *grid = qobject_cast<Grid *>(object);
    return grid ? new GridAccessible(grid) : nullptr;
}

} // namespace

Grid::Grid(int columns, int rows, int fixedColumns, int fixedRows, int rowHeight, QWidget *parent)
    : QFrame(parent), columns(columns), rows(rows), fixedColumns(fixedColumns),
      fixedRows(fixedRows), rowHeight(rowHeight), widths(columns, 0), texts(columns * rows),
      written(columns * rows, false)
{
    static const bool accessible = (QAccessible::installFactory(&accessibleGrid), true);
    Q_UNUSED(accessible);
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Q_ASSERT(frameWidth() == GRID_BORDER);
    setFocusPolicy(Qt::StrongFocus);
    const Cell first{fixedColumns, fixedRows};
    if (isValid(first))
        current = anchor = end = pressed = first;
}

bool Grid::isValid(Cell cell) const
{
    return cell.column >= 0 && cell.column < columns && cell.row >= 0 && cell.row < rows;
}

bool Grid::choosable(Cell cell) const
{
    return isValid(cell) && !isFixed(cell.column, cell.row);
}

void Grid::setColumnWidth(int column, int cellWidth)
{
    widths[column] = cellWidth + GRID_LINE;
    update();
}

QRect Grid::cellRect(int column, int row) const
{
    int left = 0;
    for (int c = 0; c < column; ++c)
        left += widths[c];
    return QRect(contentsRect().topLeft() + QPoint(left, row * (rowHeight + GRID_LINE)),
                 QSize(widths[column] - GRID_LINE, rowHeight));
}

bool Grid::cellAt(QPoint point, int *column, int *row) const
{
    const QPoint p = point - contentsRect().topLeft();
    if (!contentsRect().contains(point) || p.y() >= rows * (rowHeight + GRID_LINE))
        return false;
    int left = 0;
    for (int c = 0; c < columns; ++c) {
        left += widths[c];
        if (p.x() < left) {
            *column = c;
            *row = p.y() / (rowHeight + GRID_LINE);
            return true;
        }
    }
    return false;
}

QString Grid::text(int column, int row) const
{
    return isValid({column, row}) ? texts[index({column, row})] : QString();
}

void Grid::setText(int column, int row, const QString &text)
{
    if (!isValid({column, row}))
        return;
    texts[index({column, row})] = text;
    written[index({column, row})] = true;
    update(cellRect(column, row));
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(row);
        event.setLastRow(row);
        event.setFirstColumn(column);
        event.setLastColumn(column);
        QAccessible::updateAccessibility(&event);
    }
}

void Grid::setColumnDescription(int column, const QString &text)
{
    if (column < 0 || column >= columns)
        return;
    descriptions.resize(columns);
    descriptions[column] = text;
}

QSize Grid::textSize(const QString &text) const
{
    return QSize(CELL_TEXT_MARGIN + fontMetrics().horizontalAdvance(text), fontMetrics().height());
}

void Grid::setSelection(Selection selection)
{
    mode = selection;
    if (mode == Selection::None) {
        current = anchor = end = pressed = Cell();
        setFocusPolicy(Qt::NoFocus);
    } else {
        setFocusPolicy(Qt::StrongFocus);
    }
    update();
}

void Grid::setCurrentCell(int column, int row)
{
    if (mode != Selection::None && choosable({column, row}))
        moveTo({column, row}, false);
}

bool Grid::isSelected(int column, int row) const
{
    if (mode == Selection::None || !choosable({column, row}) || !isValid(anchor))
        return false;
    return column >= qMin(anchor.column, end.column) && column <= qMax(anchor.column, end.column) &&
           row >= qMin(anchor.row, end.row) && row <= qMax(anchor.row, end.row);
}

void Grid::moveTo(Cell cell, bool extend)
{
    if (!extend)
        anchor = cell;
    end = cell;
    makeCurrent(cell);
}

void Grid::makeCurrent(Cell cell)
{
    const bool moved = cell != current;
    current = cell;
    update();
    if (moved)
        announceCurrent();
}

void Grid::announceCurrent()
{
    if (QAccessible::isActive() && hasFocus() && isValid(current)) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(Layout{this}.childOf(current.column, current.row));
        QAccessible::updateAccessibility(&event);
    }
}

// Paints as a table view with the program's cell painting: the view's background, for each cell
// the style's row and item panels (selection, header ground, focus frame) and its text, then the
// grid lines right of and below every cell.
void Grid::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.fillRect(inside, palette().brush(QPalette::Base));
    painter.translate(inside.topLeft());

    QStyleOptionViewItem option;
    option.initFrom(this);
    option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
    if (!hasFocus())
        option.state &= ~QStyle::State_Active;
    option.font = font();
    const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    option.decorationSize = QSize(icon, icon);
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.decorationAlignment = Qt::AlignCenter;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = Qt::ElideRight;
    option.showDecorationSelected = true; // as a table view
    option.locale = locale();
    option.widget = this;

    const QBrush headerGround = palette().brush(QPalette::Active, QPalette::Button);
    const QBrush headerText = palette().brush(QPalette::Active, QPalette::ButtonText);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const bool fixed = isFixed(column, row);
            QStyleOptionViewItem cell = option;
            cell.rect = cellRect(column, row).translated(-inside.topLeft());
            if (isSelected(column, row))
                cell.state |= QStyle::State_Selected;
            if (cell.state & QStyle::State_Enabled) {
                if (fixed)
                    cell.state &= ~QStyle::State_Enabled;
                cell.palette.setCurrentColorGroup(fixed ? QPalette::Disabled : QPalette::Normal);
            }
            if (hasFocus() && current == Cell{column, row})
                cell.state |= QStyle::State_HasFocus;
            style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &cell, &painter, this);

            if (written[index({column, row})])
                cell.features |= QStyleOptionViewItem::HasDisplay;
            if (fixed) {
                cell.backgroundBrush = headerGround;
                cell.palette.setBrush(QPalette::Text, headerText);
            }
            // Texts stay readable in a disabled grid: the item is drawn as enabled.
            cell.state |= QStyle::State_Enabled;
            style()->drawControl(QStyle::CE_ItemViewItem, &cell, &painter, this);

            const QPalette::ColorGroup group =
                cell.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
            const QPalette::ColorRole role =
                cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
            painter.save();
            painter.setClipRect(cell.rect);
            painter.setFont(cell.font);
            painter.setPen(cell.palette.color(group, role));
            painter.drawText(cell.rect.adjusted(CELL_TEXT_MARGIN, 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             texts[index({column, row})]);
            painter.restore();
        }
    }

    // Each line covers its row or column of pixels exactly, at any screen scale.
    const QRect last = cellRect(columns - 1, rows - 1).translated(-inside.topLeft());
    const int across = last.right() + GRID_LINE + 1;
    const int down = last.bottom() + GRID_LINE + 1;
    const QColor line = QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    for (int row = 0; row < rows; ++row)
        painter.fillRect(QRect(0, row * (rowHeight + GRID_LINE) + rowHeight, across, 1), line);
    for (int column = 0, x = -1; column < columns; ++column) {
        x += widths[column];
        painter.fillRect(QRect(x, 0, 1, down), line);
    }
}

// As in item views, a press on a cell that is already selected only makes it current: its
// release then selects it alone, unless the mouse was dragged in between. A grid of one current
// cell keeps it selected whatever the keys held.
void Grid::mousePressEvent(QMouseEvent *event)
{
    Cell cell;
    pressedOnSelection = false;
    if (mode == Selection::None || !cellAt(event->position().toPoint(), &cell.column, &cell.row)) {
        pressed = Cell();
        return;
    }
    if (!choosable(cell))
        return;
    const bool extend =
        mode == Selection::Range &&
        (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) != Qt::NoModifier;
    if (!extend && isSelected(cell.column, cell.row)) {
        pressedOnSelection = true;
        pressed = cell;
        makeCurrent(cell);
        return;
    }
    moveTo(cell, extend);
    if (!extend)
        pressed = cell;
}

void Grid::mouseReleaseEvent(QMouseEvent *event)
{
    Cell cell;
    if (!pressedOnSelection || !cellAt(event->position().toPoint(), &cell.column, &cell.row) ||
        cell != pressed)
        return;
    pressedOnSelection = false;
    if (!(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)))
        moveTo(cell, false);
}

// Dragging with the button held carries the current cell along, and in a range grid selects
// from the pressed cell to it.
void Grid::mouseMoveEvent(QMouseEvent *event)
{
    Cell cell;
    if (mode == Selection::None || !(event->buttons() & Qt::LeftButton) ||
        !cellAt(event->position().toPoint(), &cell.column, &cell.row) || !choosable(cell))
        return;
    pressedOnSelection = false;
    if (mode == Selection::Range && choosable(pressed))
        anchor = pressed;
    moveTo(cell, mode == Selection::Range && choosable(pressed));
}

// A double click is a second press.
void Grid::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

Grid::Cell Grid::step(int key, Qt::KeyboardModifiers modifiers) const
{
    // The first choosable cell from `from` by `delta`, within the grid; none when there is none.
    const auto scan = [this](Cell from, int dColumn, int dRow) {
        for (Cell c = from; isValid(c); c.column += dColumn, c.row += dRow)
            if (choosable(c))
                return c;
        return Cell();
    };
    const Cell here = current;
    Cell next;
    switch (key) {
    case Qt::Key_Up:
        next = scan({here.column, here.row - 1}, 0, -1);
        break;
    case Qt::Key_Down:
        next = scan({here.column, here.row + 1}, 0, 1);
        break;
    case Qt::Key_Left:
        next = scan({here.column - 1, here.row}, -1, 0);
        break;
    case Qt::Key_Right:
        next = scan({here.column + 1, here.row}, 1, 0);
        break;
    case Qt::Key_Home:
    case Qt::Key_End: {
        const bool home = key == Qt::Key_Home;
        next = scan({home ? 0 : columns - 1, here.row}, home ? 1 : -1, 0);
        if (isValid(next) && (modifiers & Qt::ControlModifier))
            next = scan({next.column, home ? 0 : rows - 1}, 0, home ? 1 : -1);
        break;
    }
    case Qt::Key_PageUp:
        next = scan({here.column, 0}, 0, 1); // the whole grid is in view: a page is all of it
        break;
    case Qt::Key_PageDown:
        next = scan({here.column, rows - 1}, 0, -1);
        break;
    default:
        break;
    }
    return isValid(next) ? next : here;
}

void Grid::keyPressEvent(QKeyEvent *event)
{
    if (mode == Selection::None || !isValid(current)) {
        QFrame::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(text(current.column, current.row));
        return;
    }
    const bool extend = mode == Selection::Range && (event->modifiers() & Qt::ShiftModifier);
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const Cell next = step(event->key(), event->modifiers());
        if (next != current)
            moveTo(next, extend);
        else
            event->ignore(); // at the edge: the key goes on to the window
        return;
    }
    case Qt::Key_Space:
        // Selects the current cell (a range grid: up to it), Ctrl held or not: the current cell
        // of a single-cell grid never goes unselected, as the buttons that read it use it.
        moveTo(current, mode == Selection::Range);
        search(event->text());
        return;
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        event->ignore(); // the dialog's keys
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        if (mode == Selection::Range) {
            anchor = {fixedColumns, fixedRows};
            end = {columns - 1, rows - 1};
            update();
        }
        return;
    }
    const auto shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (!event->text().isEmpty() && !(event->modifiers() & shortcut))
        search(event->text());
    else
        event->ignore();
}

void Grid::search(const QString &letters)
{
    // Letters typed within the application's keyboard interval make one word; a new word, or
    // the same letter typed again, looks from the row after the current one.
    const bool timed = typing.isValid();
    const qint64 elapsed = timed ? typing.restart() : 0;
    if (!timed)
        typing.start();
    const bool newWord =
        letters.isEmpty() || !timed || elapsed > QApplication::keyboardInputInterval();
    typed = newWord ? letters : typed + letters;
    if (typed.isEmpty())
        return;
    const bool skip = newWord || (typed.size() > 1 && typed.count(typed.back()) == typed.size());
    const int start = skip ? (current.row + 1) % rows : current.row;
    for (int i = 0; i < rows; ++i) {
        const Cell cell{current.column, (start + i) % rows};
        if (choosable(cell) && text(cell.column, cell.row).startsWith(typed, Qt::CaseInsensitive)) {
            moveTo(cell, false);
            return;
        }
    }
}

void Grid::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    update();
    announceCurrent();
}

void Grid::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
}

void Grid::changeEvent(QEvent *event)
{
    // The colours of the selection and the texts follow the window's activation.
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange)
        update();
    QFrame::changeEvent(event);
}

} // namespace controls
