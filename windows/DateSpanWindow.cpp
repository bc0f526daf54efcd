// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/DateSpanWindow.h"

#include "platform/AccessibleWindow.h"
#include "platform/Handler.h"
#include "platform/SpokenValue.h"
#include "platform/Widgets.h"
#include "windows/MonthCalendar.h"
#include "windows/WindowKeys.h"

#include <QLabel>
#include <QPushButton>
#include <cstdlib>

QString fieldDifferencesText(const QDate &first, const QDate &second)
{
    return QStringLiteral("%1 / %2 / %3")
        .arg(std::abs(first.year() - second.year()))
        .arg(std::abs(first.month() - second.month()))
        .arg(std::abs(first.day() - second.day()));
}

DateSpanWindow::DateSpanWindow(DialogSeam &dialogs, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("dateSpanWindow"));
    readAsWindow(this);
    setWindowTitle(QStringLiteral("Form17"));
    resize(480, 261); // 488 x 288 with the frame and caption bar

    const QLabel *startHeading = placeLabel(this, "startHeading", QStringLiteral("Начало"), 80, 24);
    const QLabel *endHeading = placeLabel(this, "endHeading", QStringLiteral("Конец"), 312, 24);
    m_startCalendar = makeMonthCalendar(this, "startCalendar", {16, 40, 191, 154}, false);
    m_startCalendar->setAccessibleDescription(startHeading->text());
    m_endCalendar = makeMonthCalendar(this, "endCalendar", {232, 40, 191, 154}, false);
    m_endCalendar->setAccessibleDescription(endHeading->text());
    // Both start at the date kept with the window, not today.
    m_startCalendar->setSelectedDate(QDate(2003, 4, 17));
    m_endCalendar->setSelectedDate(QDate(2003, 4, 17));
    auto *computeButton =
        place(new QPushButton(QStringLiteral("Вычислить"), this), 320, 208, 75, 25);
    computeButton->setObjectName(QStringLiteral("computeButton"));
    m_resultLabel = placeLabel(this, "resultLabel", QStringLiteral("Label3"), 56, 216);
    bindHandler(m_dialogs, computeButton, &QPushButton::clicked, this,
                &DateSpanWindow::showDifference);
    closeOnEscape(this);
}

void DateSpanWindow::showDifference()
{
    m_resultLabel->setText(
        fieldDifferencesText(m_startCalendar->selectedDate(), m_endCalendar->selectedDate()));
    m_resultLabel->adjustSize();
    speakValue(m_resultLabel, m_resultLabel->text());
}
