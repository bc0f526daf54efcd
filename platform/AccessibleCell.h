// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the month tables of the calendars have in common for assistive
// technology: six weeks by seven days, one chosen day, nothing a reader may
// select; and their cells: no object of their own, no children, a name that
// cannot be set, one row and one column, the table as their parent.
#include <QAccessibleWidget>
#include <QHash>

class AccessibleMonthTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;
    ~AccessibleMonthTable() override { forgetCells(); }

    // Drops every cell made so far; they are made again when asked for.
    void forgetCells()
    {
        for (const QAccessible::Id id : std::as_const(m_cellIds))
            QAccessible::deleteAccessibleInterface(id);
        m_cellIds.clear();
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    int selectedCellCount() const override { return 1; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 7; }
    int rowCount() const override { return 6; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

protected:
    // The cell kept in slot, made by make() on first use; it lives until the
    // cells are forgotten or the table goes.
    template <typename Make> QAccessibleInterface *cell(int slot, Make make) const
    {
        QAccessible::Id &id = m_cellIds[slot];
        if (!id)
            id = QAccessible::registerAccessibleInterface(make());
        return QAccessible::accessibleInterface(id);
    }

private:
    mutable QHash<int, QAccessible::Id> m_cellIds;
};

class AccessibleCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }
    QWindow *window() const override
    {
        QAccessibleInterface *owner = parent();
        return owner ? owner->window() : nullptr;
    }
};
