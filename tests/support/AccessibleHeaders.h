#pragma once
// What a screen reader is told of the headers of a table (a view over a
// model): the name of a cell's column header or row header, as the cell's
// own table-cell interface gives it.
#include <string>

#include <QAccessible>
#include <QWidget>

enum class HeaderOf { Column, Row };

// Row and column as the table's model counts them; "(no cell)" outside the
// table, "(none)" when the cell names no header or more than one.
inline std::string HeaderName(QWidget* table, int row, int col, HeaderOf which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(table);
    QAccessibleTableInterface* t = iface ? iface->tableInterface() : nullptr;
    QAccessibleInterface* cell = t ? t->cellAt(row, col) : nullptr;
    if (!cell || !cell->tableCellInterface()) return "(no cell)";
    const QList<QAccessibleInterface*> headers = which == HeaderOf::Column
                                                     ? cell->tableCellInterface()->columnHeaderCells()
                                                     : cell->tableCellInterface()->rowHeaderCells();
    const std::string name = headers.size() == 1 ? headers.front()->text(QAccessible::Name).toStdString() : "(none)";
    // The cell makes its header cells for the asker, who disposes of them.
    for (QAccessibleInterface* h : headers)
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(h));
    return name;
}

// Without a screen reader running, Qt does not pass a change of a table's
// rows or columns on to the cell interfaces it made before; a reader that
// comes to the table after this gets new ones.
inline void ComeToTable(QWidget* table) {
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(table))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}
