// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/MonthGridAccessible.h"

#include "base/RussianText.h"

#include <QWidget>

namespace {

// «Январь 2026»
QString monthTitle(const QDate &date)
{
    QString month = russianLocale().standaloneMonthName(date.month(), QLocale::LongFormat);
    if (!month.isEmpty())
        month[0] = month[0].toUpper();
    return month + QLatin1Char(' ') + QString::number(date.year());
}

int chosenIndex(const QDate &date, Qt::DayOfWeek startOfWeek)
{
    const QPoint cell = MonthGrid::cellOf(date, startOfWeek);
    return MonthGridAccessible::childIndex(cell.x(), cell.y());
}

QAccessibleInterface *monthGridFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String(MonthGrid::staticMetaObject.className()))
        return nullptr;
    if (auto *grid = qobject_cast<MonthGrid *>(object))
        return new MonthGridAccessible(grid);
    return nullptr;
}

} // namespace

void installMonthGridAccessibility()
{
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(&monthGridFactory);
}

QList<MonthGridAnnouncement> monthGridAnnouncements(const MonthGrid &grid, const QDate &before,
                                                    Qt::DayOfWeek beforeStartOfWeek)
{
    QList<MonthGridAnnouncement> events;
    const QDate after = grid.date();
    const bool otherMonth = before.year() != after.year() || before.month() != after.month();
    const bool otherWeekStart = beforeStartOfWeek != grid.startOfWeek();
    if (otherMonth)
        events.append({QAccessible::NameChanged, -1});
    if (otherMonth || otherWeekStart) {
        for (int column = 0; column < MonthGridAccessible::kColumns; ++column) {
            if (otherWeekStart)
                events.append({QAccessible::NameChanged, column}); // the heading
            for (int week = 0; week < MonthGridAccessible::kWeeks; ++week) {
                if (MonthGrid::dayAt(before, beforeStartOfWeek, column, week) !=
                    grid.dayAt(column, week))
                    events.append(
                        {QAccessible::NameChanged, MonthGridAccessible::childIndex(column, week)});
            }
        }
    }
    const int from = chosenIndex(before, beforeStartOfWeek);
    const int to = chosenIndex(after, grid.startOfWeek());
    if (from != to) {
        events.append({QAccessible::SelectionRemove, from});
        events.append({QAccessible::SelectionAdd, to});
    }
    if (grid.hasFocus() && before != after)
        events.append({QAccessible::Focus, to});
    return events;
}

void announceMonthGridChange(MonthGrid *grid, const QDate &before, Qt::DayOfWeek beforeStartOfWeek)
{
    if (!QAccessible::isActive())
        return;
    for (const MonthGridAnnouncement &announcement :
         monthGridAnnouncements(*grid, before, beforeStartOfWeek)) {
        QAccessibleEvent event(grid, announcement.type);
        event.setChild(announcement.child);
        QAccessible::updateAccessibility(&event);
    }
}

void announceMonthGridDescriptions(MonthGrid *grid, const QStringList &before)
{
    if (!QAccessible::isActive() || before.isEmpty())
        return;
    for (int day = 1; day <= grid->date().daysInMonth(); ++day) {
        if (grid->dayDescription(day) == before.value(day - 1))
            continue;
        const QPoint cell = grid->cellOfDay(day);
        QAccessibleEvent event(grid, QAccessible::DescriptionChanged);
        event.setChild(MonthGridAccessible::childIndex(cell.x(), cell.y()));
        QAccessible::updateAccessibility(&event);
    }
}

void announceMonthGridFocus(MonthGrid *grid)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(grid, QAccessible::Focus);
    event.setChild(chosenIndex(grid->date(), grid->startOfWeek()));
    QAccessible::updateAccessibility(&event);
}

MonthGridAccessible::MonthGridAccessible(MonthGrid *grid)
    : AccessibleMonthTable(grid, QAccessible::Table)
{}

MonthGrid *MonthGridAccessible::grid() const
{
    return static_cast<MonthGrid *>(widget());
}

int MonthGridAccessible::chosenDayIndex() const
{
    return chosenIndex(grid()->date(), grid()->startOfWeek());
}

QString MonthGridAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: return monthTitle(grid()->date());
    case QAccessible::Description: {
        // What a window called the grid («Дата»), unless the name already says it.
        if (!grid()->accessibleDescription().isEmpty())
            return grid()->accessibleDescription();
        const QString label = grid()->accessibleName();
        return text(QAccessible::Name).startsWith(label) ? QString() : label;
    }
    default: return QAccessibleWidget::text(t);
    }
}

QAccessibleInterface *MonthGridAccessible::child(int index) const
{
    if (index < 0 || index >= kChildren)
        return nullptr;
    return cell(index, [&] {
        return new MonthGridCellAccessible(grid(), index % kColumns, index / kColumns - 1);
    });
}

int MonthGridAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *cell = dynamic_cast<const MonthGridCellAccessible *>(child);
    return cell && cell->grid() == grid() ? cell->index() : -1;
}

QAccessibleInterface *MonthGridAccessible::focusChild() const
{
    return grid()->hasFocus() ? child(chosenDayIndex()) : nullptr;
}

QAccessibleInterface *MonthGridAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= kWeeks || column < 0 || column >= kColumns)
        return nullptr;
    return child(childIndex(column, row));
}

QList<QAccessibleInterface *> MonthGridAccessible::selectedCells() const
{
    return {child(chosenDayIndex())};
}

QString MonthGridAccessible::columnDescription(int column) const
{
    if (column < 0 || column >= kColumns)
        return {};
    return grid()->columnHeading(column);
}

QString MonthGridAccessible::rowDescription(int row) const
{
    const int number = grid()->weekNumbersShown() ? grid()->weekNumber(row) : 0;
    return number ? QStringLiteral("неделя %1").arg(number) : QString();
}

MonthGridCellAccessible::MonthGridCellAccessible(MonthGrid *grid, int column, int week)
    : m_grid(grid), m_column(column), m_week(week)
{}

int MonthGridCellAccessible::day() const
{
    return isHeading() ? 0 : m_grid->dayAt(m_column, m_week);
}

QAccessibleInterface *MonthGridCellAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_grid.data());
}

QString MonthGridCellAccessible::text(QAccessible::Text t) const
{
    // A client may still hold a cell of a grid that is gone.
    if (!isValid())
        return {};
    switch (t) {
    case QAccessible::Name: {
        if (isHeading())
            return m_grid->columnHeading(m_column);
        const int shown = day();
        return shown ? QString::number(shown) : QString();
    }
    case QAccessible::Description: return m_grid->dayDescription(day());
    default: return {};
    }
}

QRect MonthGridCellAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = m_grid->cellRect(m_column, m_week + 1);
    return {m_grid->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role MonthGridCellAccessible::role() const
{
    return isHeading() ? QAccessible::ColumnHeader : QAccessible::Cell;
}

QAccessible::State MonthGridCellAccessible::state() const
{
    QAccessible::State state;
    if (!isValid())
        return state;
    if (!m_grid->isVisible())
        state.invisible = true;
    if (day() == 0)
        return state;
    state.selectable = true;
    state.focusable = true;
    state.readOnly = m_grid->isReadOnly();
    if (isSelected()) {
        state.selected = true;
        state.focused = m_grid->hasFocus();
    }
    return state;
}

void *MonthGridCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface && !isHeading())
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

bool MonthGridCellAccessible::isSelected() const
{
    const int shown = isValid() ? day() : 0;
    return shown != 0 && shown == m_grid->date().day();
}

QList<QAccessibleInterface *> MonthGridCellAccessible::columnHeaderCells() const
{
    QAccessibleInterface *table = parent();
    return table ? QList<QAccessibleInterface *>{table->child(m_column)}
                 : QList<QAccessibleInterface *>{};
}
