// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's grids: a few cells of text that the grid paints itself, in (column, row) order as
// the windows' algorithms number them. Fixed header rows and columns are drawn on the button face
// and can never become current; the current cell moves with the mouse and the arrow keys; no cell
// is edited. The grid draws what Qt's item views draw (the style's item panels and focus frame,
// grid lines, a sunken border) and screen readers find a table of cells, headers included, but it
// needs none of the models, header views and selection models of an item view.
// The grids' look is defined here once: a cell's size is its own, and the one-pixel grid line
// comes on top of it, to its right and below it, with the sunken border around the whole grid; a
// cell's text starts a small margin from its left edge and is cut at the line; a disabled grid is
// only read, and keeps the text colours of an enabled one.
#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QList>
#include <QString>

namespace controls
{

constexpr int GRID_LINE = 1;
constexpr int GRID_BORDER = 2;
constexpr int CELL_TEXT_MARGIN = 2;

class Grid : public QFrame
{
    Q_OBJECT
public:
    // How the student chooses cells: not at all (the grid only shows, takes no focus and has no
    // current cell), one at a time, or a range (Shift with a click or an arrow key, or dragging).
    enum class Selection { None, Single, Range };

    // A grid of `columns` x `rows` empty cells, `rowHeight` high; the first `fixedColumns` columns
    // and `fixedRows` rows are headers. The first cell that is not a header is current.
    Grid(int columns, int rows, int fixedColumns, int fixedRows, int rowHeight, QWidget *parent);

    int columnCount() const { return columns; }
    int rowCount() const { return rows; }
    // Header rows and columns come first; a cell in either is a header.
    bool isFixedRow(int row) const { return row < fixedRows; }
    bool isFixedColumn(int column) const { return column < fixedColumns; }
    bool isFixed(int column, int row) const { return isFixedColumn(column) || isFixedRow(row); }

    // Makes the cells of `column` `cellWidth` pixels wide, the grid line not included.
    void setColumnWidth(int column, int cellWidth);
    // A cell's rectangle in the grid's coordinates, its grid lines not included.
    QRect cellRect(int column, int row) const;
    // The cell under `point`; false when there is none.
    bool cellAt(QPoint point, int *column, int *row) const;

    QString text(int column, int row) const;
    void setText(int column, int row, const QString &text);
    // What the cells of `column` hold, for screen readers, where no header row says it.
    QString columnDescription(int column) const { return descriptions.value(column); }
    void setColumnDescription(int column, const QString &text);
    // The room `text` needs in a cell: its margin and its advance across, one line down.
    QSize textSize(const QString &text) const;

    Selection selection() const { return mode; }
    void setSelection(Selection selection);
    // The current cell; -1 and -1 when there is none.
    int currentColumn() const { return current.column; }
    int currentRow() const { return current.row; }
    void setCurrentCell(int column, int row);
    bool isSelected(int column, int row) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Cell {
        int column = -1;
        int row = -1;
        bool operator==(const Cell &other) const
        {
            return column == other.column && row == other.row;
        }
        bool operator!=(const Cell &other) const { return !(*this == other); }
    };
    int index(Cell cell) const { return cell.row * columns + cell.column; }
    bool isValid(Cell cell) const;
    bool choosable(Cell cell) const;
    // Makes `cell` current; the selection becomes that cell alone, or, with `extend`, the range
    // from the anchor to it.
    void moveTo(Cell cell, bool extend);
    // Makes `cell` current, the selection unchanged.
    void makeCurrent(Cell cell);
    // The cell an arrow, Home, End or Page key leads to from the current one.
    Cell step(int key, Qt::KeyboardModifiers modifiers) const;
    // Makes the next cell of the current column whose text starts with what the student typed
    // current, as item views do.
    void search(const QString &letters);
    void announceCurrent();

    const int columns, rows, fixedColumns, fixedRows, rowHeight;
    QList<int> widths;
    QList<QString> texts;
    QList<bool> written; // a cell given a text, even an empty one, is laid out for text
    QList<QString> descriptions;
    Selection mode = Selection::Single;
    Cell current, anchor, end; // the selection is the rectangle from `anchor` to `end`
    Cell pressed;              // where a drag selects from
    bool pressedOnSelection = false;
    QString typed;
    QElapsedTimer typing;
};

} // namespace controls
