// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The day table of a month calendar (makeMonthCalendar) as assistive
// technology sees it, read as the year's grids read: a table named by its
// month, Russian weekday headings as column headers, week numbers (when
// shown) as row headers («неделя 14») rather than the first cell of each
// row, six week rows of seven days. A day is named by its number (a day of
// the month before or after by its date, «30 ноября») and described by its
// marks: «сегодня» and the holiday captions the calendar shows.
//
// Children are laid out as the toolkit's own table numbers them in the
// focus and selection events it sends: a row and a column for its hidden
// header views (empty, invisible places), then its table of the page (the
// heading row, then the weeks; the week column first when shown).
#include "platform/AccessibleCell.h"

#include <QAccessibleWidget>
#include <QDate>
#include <QPointer>
#include <QTableView>

#include <array>

class QCalendarWidget;

// Registers the factory for the day tables of the toolkit's month calendars
// (those of makeMonthCalendar and the drop-downs of date fields alike).
// Safe to call any number of times.
void installMonthCalendarAccessibility();

// The date in a day cell (column 0..6, week 0..5) of the calendar's page.
QDate monthCalendarDate(const QCalendarWidget *calendar, int column, int week);

// The page shows other days: its cells are made anew, so a reader that
// keeps what it read of a cell meets new cells rather than stale ones
// (telling it of every cell's new name and marks floods it).
void renewMonthCalendarCells(QCalendarWidget *calendar);

class MonthCalendarAccessible : public AccessibleMonthTable {
public:
    explicit MonthCalendarAccessible(QTableView *days);

    QCalendarWidget *calendar() const;
    // 1 while week numbers take the first column, else 0.
    int weekColumns() const;
    int tableColumns() const { return 7 + weekColumns(); }
    // Row 0 of the toolkit's table is the headings; -1 is a hidden header view.
    int childIndex(int tableRow, int tableColumn) const
    {
        return (tableRow + 1) * (tableColumns() + 1) + tableColumn + 1;
    }

    int childCount() const override { return 8 * (tableColumns() + 1); }
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;

    // QAccessibleTableInterface: the six weeks by seven days.
    QAccessibleInterface *cellAt(int row, int column) const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;

private:
    QTableView *days() const;
    int selectedIndex() const;

    static constexpr int kMostPlaces = 9;
};

// One cell of the toolkit's table: a heading, a week number or a day, or
// an empty place of a hidden header view (row or column -1).
class MonthCalendarCellAccessible : public AccessibleCell {
public:
    MonthCalendarCellAccessible(QTableView *days, int tableRow, int tableColumn);

    bool isValid() const override { return !m_days.isNull(); }
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableCellInterface
    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override { return m_row - 1; }

    QTableView *days() const { return m_days; }
    int tableRow() const { return m_row; }
    int tableColumn() const { return m_column; }

private:
    MonthCalendarAccessible *owner() const;
    bool isPlace() const { return m_row < 0 || m_column < 0; }
    bool isHeading() const { return m_row == 0 && m_column >= 0; }
    bool isWeek() const;
    // The day of a day cell; invalid for the others.
    QDate date() const;

    QPointer<QTableView> m_days;
    int m_row;
    int m_column;
};
