// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/MonthCalendarAccessible.h"

#include "base/RussianText.h"
#include "windows/CalendarMarks.h"

#include <QCalendarWidget>
#include <QTableView>
#include <QTextCharFormat>

namespace {

// The toolkit's class of the day table inside its month calendar. The table
// is asked for while the calendar is still being built, before it has its
// object name, so the class is what tells it.
const char *const kDaysClass = "QCalendarView";

QAccessibleInterface *calendarFactory(const QString &className, QObject *object)
{
    if (!object || className != QLatin1String(kDaysClass))
        return nullptr;
    auto *days = qobject_cast<QTableView *>(object);
    if (!days || !qobject_cast<QCalendarWidget *>(days->parentWidget()))
        return nullptr;
    return new MonthCalendarAccessible(days);
}

// Qt's day number (1 = Monday) of a column.
int weekdayOf(const QCalendarWidget *calendar, int column)
{
    return (int(calendar->firstDayOfWeek()) - 1 + column) % 7 + 1;
}

} // namespace

void installMonthCalendarAccessibility()
{
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(&calendarFactory);
}

QDate monthCalendarDate(const QCalendarWidget *calendar, int column, int week)
{
    const QDate first(calendar->yearShown(), calendar->monthShown(), 1);
    // The page starts a week early when the first falls in the first column,
    // so some days of the month before are always shown.
    int firstColumn = (first.dayOfWeek() - int(calendar->firstDayOfWeek()) + 7) % 7;
    if (firstColumn == 0)
        firstColumn = 7;
    return first.addDays(7 * week + column - firstColumn);
}

void renewMonthCalendarCells(QCalendarWidget *calendar)
{
    auto *days = calendar->findChild<QTableView *>();
    if (!QAccessible::isActive() || !days)
        return;
    if (auto *table =
            dynamic_cast<MonthCalendarAccessible *>(QAccessible::queryAccessibleInterface(days)))
        table->forgetCells();
}

MonthCalendarAccessible::MonthCalendarAccessible(QTableView *days)
    : AccessibleMonthTable(days, QAccessible::Table)
{}

QTableView *MonthCalendarAccessible::days() const
{
    return static_cast<QTableView *>(widget());
}

QCalendarWidget *MonthCalendarAccessible::calendar() const
{
    return static_cast<QCalendarWidget *>(days()->parentWidget());
}

int MonthCalendarAccessible::weekColumns() const
{
    return calendar()->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
}

QAccessibleInterface *MonthCalendarAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const int row = index / (tableColumns() + 1), column = index % (tableColumns() + 1);
    // Kept by place, not by index: the week column may come or go.
    return cell(row * kMostPlaces + column,
                [&] { return new MonthCalendarCellAccessible(days(), row - 1, column - 1); });
}

int MonthCalendarAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *cell = dynamic_cast<const MonthCalendarCellAccessible *>(child);
    return cell && cell->days() == days() ? childIndex(cell->tableRow(), cell->tableColumn()) : -1;
}

int MonthCalendarAccessible::selectedIndex() const
{
    // The page shows 6 weeks of 7 days from its first cell on.
    const qint64 day = monthCalendarDate(calendar(), 0, 0).daysTo(calendar()->selectedDate());
    if (day < 0 || day >= 6 * 7)
        return -1;
    return childIndex(int(day / 7) + 1, int(day % 7) + weekColumns());
}

QAccessibleInterface *MonthCalendarAccessible::focusChild() const
{
    return days()->hasFocus() ? child(selectedIndex()) : nullptr;
}

QAccessibleInterface *MonthCalendarAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= 6 || column < 0 || column >= 7)
        return nullptr;
    return child(childIndex(row + 1, column + weekColumns()));
}

QList<QAccessibleInterface *> MonthCalendarAccessible::selectedCells() const
{
    QAccessibleInterface *selected = child(selectedIndex());
    return selected ? QList<QAccessibleInterface *>{selected} : QList<QAccessibleInterface *>{};
}

QString MonthCalendarAccessible::columnDescription(int column) const
{
    return column >= 0 && column < 7 ? shortDayName(weekdayOf(calendar(), column)) : QString();
}

QString MonthCalendarAccessible::rowDescription(int row) const
{
    QAccessibleInterface *week = weekColumns() ? child(childIndex(row + 1, 0)) : nullptr;
    return week ? week->text(QAccessible::Name) : QString();
}

MonthCalendarCellAccessible::MonthCalendarCellAccessible(QTableView *days, int tableRow,
                                                         int tableColumn)
    : m_days(days), m_row(tableRow), m_column(tableColumn)
{}

MonthCalendarAccessible *MonthCalendarCellAccessible::owner() const
{
    return isValid() ? dynamic_cast<MonthCalendarAccessible *>(
                           QAccessible::queryAccessibleInterface(m_days.data()))
                     : nullptr;
}

bool MonthCalendarCellAccessible::isWeek() const
{
    const MonthCalendarAccessible *table = owner();
    return table && !isPlace() && m_column < table->weekColumns();
}

int MonthCalendarCellAccessible::columnIndex() const
{
    const MonthCalendarAccessible *table = owner();
    return table ? m_column - table->weekColumns() : -1;
}

QDate MonthCalendarCellAccessible::date() const
{
    const MonthCalendarAccessible *table = owner();
    if (!table || isPlace() || isHeading() || isWeek())
        return {};
    return monthCalendarDate(table->calendar(), columnIndex(), rowIndex());
}

QAccessibleInterface *MonthCalendarCellAccessible::parent() const
{
    return owner();
}

QString MonthCalendarCellAccessible::text(QAccessible::Text t) const
{
    const MonthCalendarAccessible *table = owner();
    if (!table || isPlace() || (t != QAccessible::Name && t != QAccessible::Description))
        return {};
    const QCalendarWidget *calendar = table->calendar();
    if (isWeek()) {
        // The toolkit writes the week's number in the cell.
        const QString number = m_days->model()->index(m_row, m_column).data().toString();
        return t == QAccessible::Name && !number.isEmpty() && !isHeading()
                   ? QStringLiteral("неделя %1").arg(number)
                   : QString();
    }
    if (isHeading())
        return t == QAccessible::Name ? table->columnDescription(columnIndex()) : QString();
    const QDate day = date();
    if (t == QAccessible::Name) {
        if (day.month() == calendar->monthShown())
            return QString::number(day.day());
        return QString::number(day.day()) + QLatin1Char(' ') +
               russianLocale().monthName(day.month(), QLocale::LongFormat);
    }
    QStringList marks;
    const auto *marked = qobject_cast<const MarkedCalendar *>(calendar);
    if (marked && marked->today().isValid() && marked->today() == day)
        marks << QStringLiteral("сегодня");
    const QString captions = calendar->dateTextFormat(day).toolTip();
    if (!captions.isEmpty())
        marks << captions;
    return marks.join(QLatin1Char('\n'));
}

QRect MonthCalendarCellAccessible::rect() const
{
    if (!isValid() || isPlace())
        return {};
    const QRect local = m_days->visualRect(m_days->model()->index(m_row, m_column));
    return {m_days->viewport()->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role MonthCalendarCellAccessible::role() const
{
    if (isHeading())
        return QAccessible::ColumnHeader;
    return isWeek() ? QAccessible::RowHeader : QAccessible::Cell;
}

QAccessible::State MonthCalendarCellAccessible::state() const
{
    QAccessible::State state;
    if (!isValid())
        return state;
    if (!m_days->isVisible() || isPlace())
        state.invisible = true;
    if (!date().isValid())
        return state;
    state.selectable = true;
    state.focusable = true;
    if (isSelected()) {
        state.selected = true;
        state.focused = m_days->hasFocus();
    }
    return state;
}

void *MonthCalendarCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface && date().isValid())
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

bool MonthCalendarCellAccessible::isSelected() const
{
    const MonthCalendarAccessible *table = owner();
    const QDate day = date();
    return table && day.isValid() && day == table->calendar()->selectedDate();
}

QList<QAccessibleInterface *> MonthCalendarCellAccessible::columnHeaderCells() const
{
    MonthCalendarAccessible *table = owner();
    if (!table)
        return {};
    return {table->child(table->childIndex(0, m_column))};
}

QList<QAccessibleInterface *> MonthCalendarCellAccessible::rowHeaderCells() const
{
    MonthCalendarAccessible *table = owner();
    if (!table || !table->weekColumns())
        return {};
    return {table->child(table->childIndex(m_row, 0))};
}
