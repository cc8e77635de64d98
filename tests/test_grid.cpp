// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's grid on its own: the keys and the mouse that choose its current cell (never a
// header), the range a frame row selects, the letters that find a cell, and what a screen reader
// finds in it: a table of cells with their headers, the current cell followed as it moves.
#include "widgets/grid.h"

#include <QAccessible>
#include <QtTest>

#include <memory>

using controls::Grid;

namespace
{

// A station table in small: a header row and a header column, as the windows' grids have them.
std::unique_ptr<Grid> stationGrid()
{
    auto grid = std::make_unique<Grid>(3, 5, 1, 1, 20, nullptr);
    grid->setGeometry(0, 0, 260, 120);
    const QStringList rows[5] = {{"", "adresses MAC", "TTL"},
                                 {"Machine 1", "00-C0-B0-69-16-25", "99"},
                                 {"Machine 2", "00-C0-B0-08-31-A4", "98"},
                                 {"Broadcast", "FF-FF-FF-FF-FF-FF", "97"},
                                 {"Pont gauche", "00-35-8A-96-01-42", "96"}};
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 3; ++column)
            grid->setText(column, row, rows[row][column]);
    for (int column = 0; column < 3; ++column)
        grid->setColumnWidth(column, 80);
    return grid;
}

QPoint current(const Grid *grid)
{
    return QPoint(grid->currentColumn(), grid->currentRow());
}

QList<int> selectedColumns(const Grid *row)
{
    QList<int> columns;
    for (int column = 0; column < row->columnCount(); ++column)
        if (row->isSelected(column, 0))
            columns << column;
    return columns;
}

} // namespace

class TestGrid : public QObject
{
    Q_OBJECT
private slots:
    void keysMoveTheCurrentCell_data();
    void keysMoveTheCurrentCell();
    void typedLettersFindACell();
    void frameRowSelectsARange();
    void displayOnlyGridIsNeverChosen();
    void screenReadersFindATable();
};

void TestGrid::keysMoveTheCurrentCell_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("control");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("up stops under the header row")
        << QPoint(1, 1) << int(Qt::Key_Up) << false << QPoint(1, 1);
    QTest::newRow("left stops by the header column")
        << QPoint(1, 3) << int(Qt::Key_Left) << false << QPoint(1, 3);
    QTest::newRow("down") << QPoint(1, 1) << int(Qt::Key_Down) << false << QPoint(1, 2);
    QTest::newRow("down stops at the last row")
        << QPoint(2, 4) << int(Qt::Key_Down) << false << QPoint(2, 4);
    QTest::newRow("right") << QPoint(1, 2) << int(Qt::Key_Right) << false << QPoint(2, 2);
    QTest::newRow("home") << QPoint(2, 3) << int(Qt::Key_Home) << false << QPoint(1, 3);
    QTest::newRow("end") << QPoint(1, 3) << int(Qt::Key_End) << false << QPoint(2, 3);
    QTest::newRow("ctrl+home") << QPoint(2, 3) << int(Qt::Key_Home) << true << QPoint(1, 1);
    QTest::newRow("ctrl+end") << QPoint(1, 2) << int(Qt::Key_End) << true << QPoint(2, 4);
    QTest::newRow("page up") << QPoint(2, 4) << int(Qt::Key_PageUp) << false << QPoint(2, 1);
    QTest::newRow("page down") << QPoint(1, 2) << int(Qt::Key_PageDown) << false << QPoint(1, 4);
}

void TestGrid::keysMoveTheCurrentCell()
{
    QFETCH(QPoint, from);
    QFETCH(int, key);
    QFETCH(bool, control);
    QFETCH(QPoint, to);
    auto grid = stationGrid();
    QCOMPARE(current(grid.get()), QPoint(1, 1)); // the first cell that is not a header
    grid->setCurrentCell(from.x(), from.y());
    QTest::keyClick(grid.get(), Qt::Key(key), control ? Qt::ControlModifier : Qt::NoModifier);
    QCOMPARE(current(grid.get()), to);
    QVERIFY(grid->isSelected(to.x(), to.y()));
    QVERIFY(!grid->isSelected(from.x(), from.y()) || from == to);
    // Ctrl+Space and Ctrl+click leave the current cell selected.
    QTest::keyClick(grid.get(), Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(grid->isSelected(to.x(), to.y()));
    QTest::mouseClick(grid.get(), Qt::LeftButton, Qt::ControlModifier,
                      grid->cellRect(to.x(), to.y()).center());
    QVERIFY(grid->isSelected(to.x(), to.y()));
    QCOMPARE(current(grid.get()), to);
    grid->setCurrentCell(0, 2); // a header never becomes current
    QCOMPARE(current(grid.get()), to);
}

void TestGrid::typedLettersFindACell()
{
    auto grid = stationGrid();
    QTest::keyClick(grid.get(), Qt::Key_F);
    QCOMPARE(current(grid.get()), QPoint(1, 3)); // "FF-FF-..." in the address column
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(grid.get(), QStringLiteral("00-c0-b0-0"));
    QCOMPARE(current(grid.get()), QPoint(1, 2));
    QCOMPARE(grid->text(1, 2), QStringLiteral("00-C0-B0-08-31-A4")); // found, not edited
}

void TestGrid::frameRowSelectsARange()
{
    Grid row(5, 1, 0, 0, 20, nullptr);
    row.setGeometry(0, 0, 385, 25);
    for (int column = 0; column < 5; ++column)
        row.setColumnWidth(column, 60);
    row.setSelection(Grid::Selection::Range);
    const auto click = [&row](int column, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(&row, Qt::LeftButton, modifiers, row.cellRect(column, 0).center());
    };
    click(0);
    click(3, Qt::ShiftModifier);
    QCOMPARE(selectedColumns(&row), QList<int>({0, 1, 2, 3}));
    QCOMPARE(row.currentColumn(), 3);
    QTest::keyClick(&row, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(selectedColumns(&row), QList<int>({0, 1, 2}));
    QCOMPARE(row.currentColumn(), 2);
    click(1); // inside the selection: that cell alone
    QCOMPARE(selectedColumns(&row), QList<int>({1}));
    // Dragging from cell 4 to cell 2.
    QTest::mousePress(&row, Qt::LeftButton, {}, row.cellRect(4, 0).center());
    const QPoint to = row.cellRect(2, 0).center();
    QMouseEvent drag(QEvent::MouseMove, to, row.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&row, &drag);
    QTest::mouseRelease(&row, Qt::LeftButton, {}, to);
    QCOMPARE(selectedColumns(&row), QList<int>({2, 3, 4}));
    QCOMPARE(row.currentColumn(), 2);
    QTest::keyClick(&row, Qt::Key_Right);
    QCOMPARE(selectedColumns(&row), QList<int>({3}));
}

void TestGrid::displayOnlyGridIsNeverChosen()
{
    auto grid = stationGrid();
    grid->setSelection(Grid::Selection::None);
    QCOMPARE(grid->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(grid.get(), Qt::LeftButton, {}, grid->cellRect(2, 2).center());
    QTest::keyClick(grid.get(), Qt::Key_Down);
    QCOMPARE(current(grid.get()), QPoint(-1, -1));
    QVERIFY(!grid->isSelected(2, 2));
}

void TestGrid::screenReadersFindATable()
{
    QWidget window;
    auto grid = stationGrid();
    grid->setParent(&window);
    grid->setAccessibleName(QStringLiteral("Adresses"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    grid->setFocus();

    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(grid.get());
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Table);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Adresses"));
    // The table is the cells below and right of the headers; its cells come first among the
    // grid's children, the header cells after them, row by row.
    QAccessibleTableInterface *table = face->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(face->childCount(), 15);
    QAccessibleInterface *cell = table->cellAt(1, 0);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("00-C0-B0-08-31-A4"));
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(face->indexOfChild(cell), 2);
    QCOMPARE(face->child(2), cell);
    QCOMPARE(cell->parent(), face);
    QCOMPARE(face->child(9)->text(QAccessible::Name), QStringLiteral("adresses MAC"));
    QCOMPARE(face->child(9)->role(), QAccessible::ColumnHeader);
    QCOMPARE(face->child(13)->text(QAccessible::Name), QStringLiteral("Broadcast"));
    QCOMPARE(face->child(13)->role(), QAccessible::RowHeader);
    QCOMPARE(face->indexOfChild(face->child(13)), 13);
    QAccessibleTableCellInterface *place = cell->tableCellInterface();
    QCOMPARE(place->rowIndex(), 1);
    QCOMPARE(place->columnIndex(), 0);
    QCOMPARE(place->rowHeaderCells().value(0)->text(QAccessible::Name),
             QStringLiteral("Machine 2"));
    QCOMPARE(place->columnHeaderCells().value(0)->text(QAccessible::Name),
             QStringLiteral("adresses MAC"));
    QCOMPARE(table->rowDescription(2), QStringLiteral("Broadcast"));
    QCOMPARE(table->columnDescription(1), QStringLiteral("TTL"));
    const QPoint centre = grid->mapToGlobal(grid->cellRect(2, 3).center());
    QCOMPARE(face->childAt(centre.x(), centre.y()), table->cellAt(2, 1));
    // Qt's bridge asks for cells outside the table (a header's child number) and uses the answer.
    QCOMPARE(table->cellAt(9, -1)->text(QAccessible::Name), QStringLiteral("00-35-8A-96-01-42"));

    // The current cell is the focused one.
    QCOMPARE(face->focusChild(), table->cellAt(0, 0));
    QTest::keyClick(grid.get(), Qt::Key_Down);
    QCOMPARE(face->focusChild(), cell);
    QVERIFY(cell->state().focused);
    QVERIFY(cell->state().selected);
    QCOMPARE(table->selectedCells(), QList<QAccessibleInterface *>({cell}));
    QVERIFY(!face->child(12)->state().focusable);
    grid->setText(1, 2, QStringLiteral("12-34"));
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("12-34"));
}

QTEST_MAIN(TestGrid)
#include "test_grid.moc"
