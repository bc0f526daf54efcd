// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/MonthCompareWindow.h"

#include "core/CalendarModel.h"
#include "platform/Widgets.h"
#include "windows/CalendarMarks.h"
#include "windows/MonthCalendar.h"

#include <QFrame>

namespace {

void bevel(QWidget *parent, const char *name, const QRect &geometry, QFrame::Shadow shadow)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(shadow);
    frame->setGeometry(geometry);
}

} // namespace

MonthCompareWindow::MonthCompareWindow(const CalendarModel &model, QWidget *parent)
    : QDialog(parent)
{
    keepLayoutFont(this);
    setObjectName(QStringLiteral("monthCompareWindow"));
    setWindowTitle(QStringLiteral("Сравнение месяцев"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    setFixedSize(448, 201);
    setWindowColour(this, colours::skyBlue);

    bevel(this, "frame", {0, 0, 448, 201}, QFrame::Sunken);
    bevel(this, "leftFrame", {8, 16, 209, 169}, QFrame::Raised);
    bevel(this, "rightFrame", {232, 16, 209, 169}, QFrame::Raised);
    for (QCalendarWidget *calendar :
         {makeMonthCalendar(this, "leftCalendar", {16, 24, 193, 154}, true),
          makeMonthCalendar(this, "rightCalendar", {240, 24, 193, 154}, true)}) {
        calendar->setSelectedDate(model.startDay());
        followCalendarMarks(calendar, model);
    }
    centreOnScreen(this);
}
