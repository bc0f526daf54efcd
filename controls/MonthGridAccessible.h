// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A month grid as assistive technology sees it: a table named by its month
// and year («Январь 2026»), the weekday headings as column headers, six week
// rows of seven cells, each named by its day number (blank cells have no
// name) and described by its marks («сегодня», holiday captions). The chosen
// day's cell is selected, and focused while the grid has the keyboard.
// Cells are computed from the grid on every query, so they never go stale;
// the grid reports what changed through the announce functions below.
#include "controls/MonthGrid.h"
#include "platform/AccessibleCell.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>

// Registers the factory that gives every MonthGrid its table interface. Safe
// to call any number of times; MonthGrid's constructor calls it.
void installMonthGridAccessibility();

// One event for assistive technology; child -1 is the table itself.
struct MonthGridAnnouncement {
    QAccessible::Event type;
    int child;
};

// What changed since the grid showed `before` with weeks starting on
// `beforeStartOfWeek`: the table's name, the cells whose day moved, the
// selection and (while focused) the focus.
QList<MonthGridAnnouncement> monthGridAnnouncements(const MonthGrid &grid, const QDate &before,
                                                    Qt::DayOfWeek beforeStartOfWeek);
// Sends those events when assistive technology listens.
void announceMonthGridChange(MonthGrid *grid, const QDate &before, Qt::DayOfWeek beforeStartOfWeek);
// The keyboard is on the chosen day.
void announceMonthGridFocus(MonthGrid *grid);
// The day cells whose description differs from before (the descriptions of
// days 1.. before the marks changed; empty when nobody listened then).
void announceMonthGridDescriptions(MonthGrid *grid, const QStringList &before);

class MonthGridAccessible : public AccessibleMonthTable {
public:
    static constexpr int kColumns = 7;
    static constexpr int kWeeks = 6;
    // Children: the seven headings first, then the day cells row by row.
    static constexpr int kChildren = kColumns + kColumns * kWeeks;

    explicit MonthGridAccessible(MonthGrid *grid);

    static int childIndex(int column, int week) { return kColumns + week * kColumns + column; }

    QString text(QAccessible::Text t) const override;
    int childCount() const override { return kChildren; }
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface *cellAt(int row, int column) const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    // «неделя 14» while week numbers are shown.
    QString rowDescription(int row) const override;

private:
    MonthGrid *grid() const;
    int chosenDayIndex() const;
};

// One heading (week -1) or one day cell of a month grid.
class MonthGridCellAccessible : public AccessibleCell {
public:
    MonthGridCellAccessible(MonthGrid *grid, int column, int week);

    int index() const { return MonthGridAccessible::childIndex(m_column, m_week); }
    bool isHeading() const { return m_week < 0; }
    MonthGrid *grid() const { return m_grid; }

    bool isValid() const override { return !m_grid.isNull(); }
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableCellInterface
    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_week; }

private:
    int day() const;

    QPointer<MonthGrid> m_grid;
    int m_column;
    int m_week;
};
