// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Производственный календарь": the official working year of the shown
// year as the published tables give it (per month, quarter, half-year and
// year: calendar, working and non-working days, hour norms of the 40-, 36-
// and 24-hour week), and the working days between two chosen dates.
// Copied and printed as text.
#include "core/WorkCalendar.h"

#include <QDialog>
#include <QList>

class CalendarModel;
class QDateEdit;
class QLabel;
class QTableWidget;
class WindowServices;

// One line of the table: «Январь», «I квартал», «Год» with its counts.
struct WorkTableRow {
    QString name;
    WorkTotals totals;
};

// The table's lines in the published order: each quarter after its months,
// each half-year after its quarters, the year last.
QList<WorkTableRow> workYearTable(const WorkYears &years, int year);
// The table as plain text: a heading, aligned columns, the source.
QString workYearText(const QList<WorkTableRow> &rows, const QString &heading,
                     const QString &source);

class WorkYearWindow : public QDialog {
    Q_OBJECT
public:
    WorkYearWindow(const CalendarModel &model, WindowServices &services, QWidget *parent = nullptr);

    // The window's table as the clipboard and the printer get it.
    QString text() const;

private:
    void showYear();
    void showSpan();
    void copyText();
    void printText();
    QString heading() const;
    QString sourceText() const;

    const CalendarModel &m_model;
    WindowServices &m_services;
    QList<WorkTableRow> m_rows;
    QLabel *m_headingLabel = nullptr;
    QLabel *m_sourceLabel = nullptr;
    QTableWidget *m_table = nullptr;
    QDateEdit *m_fromEdit = nullptr;
    QDateEdit *m_toEdit = nullptr;
    QLabel *m_spanLabel = nullptr;
};
