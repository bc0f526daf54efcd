#pragma once
// The month calendar control of the small date dialogs: one month with
// navigation, a selected date and optional week numbers.
#include <QCalendarWidget>

QCalendarWidget *makeMonthCalendar(QWidget *parent, const char *name, const QRect &geometry,
                                   bool weekNumbers);
