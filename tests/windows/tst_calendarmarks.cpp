// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Today and the holidays on the toolkit's month calendars, following the
// model's options, today and entries, and the month shown.
#include "CalendarMarks.h"
#include "CalendarModel.h"

#include <QTextCharFormat>
#include <QtTest>

class CalendarMarksTest : public QObject {
    Q_OBJECT
private slots:
    void followsTheModel();
};

void CalendarMarksTest::followsTheModel()
{
    CalendarModel model;
    model.setToday(QDate(2026, 3, 9));
    model.setHolidays({"8 марта  Женский день", "1 апреля 2027г. Шутка", "просто текст"});
    MarkedCalendar calendar;
    calendar.resize(250, 180);
    calendar.setCurrentPage(2026, 3);
    const QImage unmarked = calendar.grab().toImage();
    followCalendarMarks(&calendar, model);

    QCOMPARE(calendar.today(), QDate(2026, 3, 9));
    QTextCharFormat march8 = calendar.dateTextFormat(QDate(2026, 3, 8));
    QCOMPARE(march8.fontWeight(), int(QFont::Bold));
    QCOMPARE(march8.toolTip(), QStringLiteral("Женский день"));
    QCOMPARE(calendar.dateTextFormat().size(), 1);
    QVERIFY(calendar.grab().toImage() != unmarked);

    // Another page: the yearly entry again, and the entry of that year.
    calendar.setCurrentPage(2027, 4);
    QCOMPARE(calendar.dateTextFormat(QDate(2027, 4, 1)).toolTip(), QStringLiteral("Шутка"));
    QCOMPARE(calendar.dateTextFormat(QDate(2027, 3, 8)).toolTip(), QStringLiteral("Женский день"));

    // Midnight moves the frame; options off take every mark away.
    model.setToday(QDate(2026, 3, 10));
    QCOMPARE(calendar.today(), QDate(2026, 3, 10));
    model.setViewOptions({false, false, false});
    QCOMPARE(calendar.today(), QDate());
    QVERIFY(calendar.dateTextFormat().isEmpty());
    calendar.setCurrentPage(2026, 3);
    QCOMPARE(calendar.grab().toImage(), unmarked);
    model.setViewOptions({true, false, false}); // the frame alone
    QVERIFY(calendar.grab().toImage() != unmarked);
}

QTEST_MAIN(CalendarMarksTest)
#include "tst_calendarmarks.moc"
