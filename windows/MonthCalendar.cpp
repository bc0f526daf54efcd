#include "MonthCalendar.h"

#include "RussianText.h"

#include <QTextCharFormat>

QCalendarWidget *makeMonthCalendar(QWidget *parent, const char *name, const QRect &geometry,
                                   bool weekNumbers)
{
    auto *calendar = new QCalendarWidget(parent);
    calendar->setObjectName(QString::fromLatin1(name));
    calendar->setLocale(russianLocale());
    calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calendar->setVerticalHeaderFormat(weekNumbers ? QCalendarWidget::ISOWeekNumbers
                                                  : QCalendarWidget::NoVerticalHeader);
    // The small size leaves no room for spacious header buttons.
    QFont small = calendar->font();
    small.setPixelSize(10);
    calendar->setFont(small);
    calendar->setGeometry(geometry);
    return calendar;
}
