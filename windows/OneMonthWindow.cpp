// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/OneMonthWindow.h"

#include "core/CalendarModel.h"
#include "platform/Handler.h"
#include "windows/CalendarMarks.h"
#include "windows/MonthCalendar.h"
#include "windows/WindowOpacity.h"
#include "windows/WindowServices.h"

#include <QCloseEvent>

OneMonthWindow::OneMonthWindow(CalendarModel &model, WindowServices &services, QWidget *parent)
    : QDialog(parent), m_services(services)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("oneMonthWindow"));
    setWindowTitle(QStringLiteral("Один месяц"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(197, 153);
    QCalendarWidget *calendar = makeMonthCalendar(this, "calendar", {0, 0, 197, 153}, false);
    calendar->setSelectedDate(model.startDay());
    followCalendarMarks(calendar, model);
    followOpacity(model, OpacityWindow::OneMonth, this, m_blending);
    centreOnScreen(this);
}

void OneMonthWindow::closeEvent(QCloseEvent *event)
{
    hide();
    event->accept();
    runHandler(m_services.dialogs(), [this] { m_services.showWindow(WindowRole::ExitBar); });
}

void OneMonthWindow::reject()
{
    close();
}
