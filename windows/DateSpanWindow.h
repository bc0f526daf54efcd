// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two dates, "Начало" and "Конец", and how far apart their fields are.
#include <QDate>
#include <QString>
#include <QWidget>

class DialogSeam;
class QCalendarWidget;
class QLabel;

class DateSpanWindow : public QWidget {
    Q_OBJECT
public:
    explicit DateSpanWindow(DialogSeam &dialogs, QWidget *parent = nullptr);

private:
    DialogSeam &m_dialogs;
    void showDifference();

    QCalendarWidget *m_startCalendar = nullptr;
    QCalendarWidget *m_endCalendar = nullptr;
    QLabel *m_resultLabel = nullptr;
};

// Year, month and day differences each on its own, «1 / 2 / 30»: no
// borrowing between the fields and no day count.
QString fieldDifferencesText(const QDate &first, const QDate &second);
