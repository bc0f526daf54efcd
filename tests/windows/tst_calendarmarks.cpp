// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Today, the holidays and the working year on the toolkit's month calendars
// and the year's grids, following the model's options, today and entries,
// and the month shown; the working year's numbers window.
#include "CalendarMarks.h"
#include "CalendarModel.h"
#include "FakeServices.h"
#include "MonthGrid.h"
#include "TestSupport.h"
#include "WorkYearWindow.h"

#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextCharFormat>
#include <QtTest>

class CalendarMarksTest : public QObject {
    Q_OBJECT
private slots:
    void followsTheModel();
    void workingYear();
    void numbersWindow();
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

void CalendarMarksTest::workingYear()
{
    CalendarModel model;
    model.setYear(2025);
    model.setWorkCalendarFiles({QStringLiteral(DAYRAIL_WORKCAL_FILE)});
    MarkedCalendar calendar;
    calendar.setCurrentPage(2025, 11);
    followCalendarMarks(&calendar, model);
    // Off: nothing read, nothing marked.
    QVERIFY(model.workCalendarPath().isEmpty() && model.markedWorkDays().isEmpty());
    QVERIFY(calendar.dateTextFormat().isEmpty());

    ViewOptions options = model.viewOptions();
    options.workCalendar = true;
    model.setViewOptions(options);
    QCOMPARE(model.workCalendarPath(), QStringLiteral(DAYRAIL_WORKCAL_FILE));
    // The Saturday swapped for 3 November carries that day's short hour.
    const QTextCharFormat saturday = calendar.dateTextFormat(QDate(2025, 11, 1));
    QVERIFY(saturday.fontUnderline());
    QCOMPARE(saturday.foreground().color(), calendar.palette().color(QPalette::Text));
    QCOMPARE(saturday.toolTip(), QStringLiteral("рабочая суббота, сокращённый день"));
    QCOMPARE(calendar.dateTextFormat(QDate(2025, 11, 3)).foreground().color(), weekendColour());
    QCOMPARE(calendar.dateTextFormat(QDate(2025, 11, 3)).toolTip(),
             QStringLiteral("перенесённый выходной (с 01.11)"));

    MonthGrid grid;
    grid.setDate(QDate(2025, 11, 20));
    grid.setHolidays({{QDate(2025, 11, 4), QStringLiteral("Мой праздник")}});
    grid.setWorkDays(model.markedWorkDays());
    QCOMPARE(grid.dayDescription(4), QStringLiteral("Мой праздник\nДень народного единства"));
    QCOMPARE(grid.dayDescription(1), saturday.toolTip());
    QCOMPARE(grid.dayDescription(5), QString());
}

void CalendarMarksTest::numbersWindow()
{
    RecordingDialogs dialogs;
    CalendarModel model;
    model.setYear(2025);
    model.setWorkCalendarFiles({QStringLiteral(DAYRAIL_WORKCAL_FILE)});
    FakeServices services;
    WorkYearWindow window(model, services);
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("workTable"));
    QCOMPARE(table->rowCount(), 12 + 4 + 2 + 1);
    QCOMPARE(table->verticalHeaderItem(3)->text(), QStringLiteral("I квартал"));
    const auto yearRow = [table] {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(table->rowCount() - 1, c)->text();
        return cells.join(QLatin1Char(' '));
    };
    QCOMPARE(yearRow(), QStringLiteral("365 247 118 1972 1774,4 1181,6"));
    model.setYear(2024);
    QCOMPARE(yearRow(), QStringLiteral("366 248 118 1979 1780,6 1185,4"));

    window.findChild<QDateEdit *>(QStringLiteral("fromEdit"))->setDate(QDate(2025, 12, 31));
    window.findChild<QDateEdit *>(QStringLiteral("toEdit"))->setDate(QDate(2024, 12, 28));
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("spanLabel"))
                ->text()
                .startsWith(QStringLiteral("Рабочих дней: 248 (календарных 369,")));

    window.findChild<QPushButton *>(QStringLiteral("copyButton"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), window.text());
    QVERIFY(window.text().contains(
        QRegularExpression(QStringLiteral("\nГод +366 +248 +118 +1979 +1780,6 +1185,4\n"))));

    QTemporaryDir dir;
    services.printer().setOutputFileName(dir.filePath(QStringLiteral("year.pdf")));
    window.findChild<QPushButton *>(QStringLiteral("printButton"))->click();
    QCOMPARE(dialogs.printDialogs, 1);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("year.pdf"))).size() > 0);
}

QTEST_MAIN(CalendarMarksTest)
#include "tst_calendarmarks.moc"
