// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Today, the holidays and the working year on the toolkit's month calendars
// and the year's grids, following the model's options, today and entries,
// and the month shown; the calendars as a screen reader reads them; the
// working year's numbers window.
#include "controls/MonthGrid.h"
#include "core/CalendarModel.h"
#include "platform/ReadableText.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TestSupport.h"
#include "windows/CalendarMarks.h"
#include "windows/MonthCalendar.h"
#include "windows/MonthCalendarAccessible.h"
#include "windows/WorkYearWindow.h"

#include <QAccessibleTableInterface>
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextCharFormat>
#include <QtTest>

class CalendarMarksTest : public QObject {
    Q_OBJECT
private slots:
    void followsTheModel();
    void workingYear();
    void weekendReadsOnADarkPalette();
    void numbersWindow();
    void readAsTheYearsGrids_data();
    void readAsTheYearsGrids();
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

void CalendarMarksTest::weekendReadsOnADarkPalette()
{
    const QPalette before = QApplication::palette();
    // Plain red reads at 4.2:1 on this base.
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    QApplication::setPalette(dark);
    QWidget window;
    QCalendarWidget *calendar = makeMonthCalendar(&window, "calendar", {0, 0, 250, 180}, false);
    calendar->setCurrentPage(2025, 11);
    CalendarModel model;
    model.setYear(2025);
    model.setWorkCalendarFiles({QStringLiteral(DAYRAIL_WORKCAL_FILE)});
    ViewOptions options = model.viewOptions();
    options.workCalendar = true;
    model.setViewOptions(options);
    showCalendarMarks(calendar, model);
    const QColor base = calendar->palette().color(QPalette::Base);
    QVERIFY(contrastRatio(calendar->weekdayTextFormat(Qt::Sunday).foreground().color(), base) >=
            4.5);
    // 3 November 2025: a weekday made a day off.
    QVERIFY(contrastRatio(calendar->dateTextFormat(QDate(2025, 11, 3)).foreground().color(),
                          base) >= 4.5);
    QApplication::setPalette(before);
}

void CalendarMarksTest::numbersWindow()
{
    RecordingDialogs dialogs;
    CalendarModel model;
    model.setYear(2025);
    model.setWorkCalendarFiles({QStringLiteral(DAYRAIL_WORKCAL_FILE)});
    FakeServices services{dialogs};
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

    QVERIFY(window.text().contains(QStringLiteral("2024 год — по постановлению")));
    QVERIFY(window.text().contains(
        QStringLiteral("Данные: файл \"%1\".").arg(QStringLiteral(DAYRAIL_WORKCAL_FILE))));
    model.setYear(2027);
    QVERIFY(window.text().contains(QStringLiteral("по правилам Трудового кодекса РФ, ещё не")));
    model.setYear(2024);
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

void CalendarMarksTest::readAsTheYearsGrids_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("weekNumbers");
    QTest::addColumn<Qt::DayOfWeek>("firstDay");
    QTest::addColumn<QStringList>("firstRow");
    QTest::newRow("march 2026") << 2026 << 3 << false << Qt::Monday
                                << QStringList{"23 февраля", "24 февраля", "25 февраля",
                                               "26 февраля", "27 февраля", "28 февраля",
                                               "1"};
    // The first in the first column: the page starts a week early.
    QTest::newRow("june 2026, week numbers")
        << 2026 << 6 << true << Qt::Monday
        << QStringList{"25 мая", "26 мая", "27 мая", "28 мая", "29 мая", "30 мая", "31 мая"};
    QTest::newRow("weeks from sunday")
        << 2026 << 3 << false << Qt::Sunday
        << QStringList{"22 февраля", "23 февраля", "24 февраля", "25 февраля",
                       "26 февраля", "27 февраля", "28 февраля"};
}

void CalendarMarksTest::readAsTheYearsGrids()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, weekNumbers);
    QFETCH(Qt::DayOfWeek, firstDay);
    QFETCH(QStringList, firstRow);
    const QString title = QStringLiteral("%1 %2").arg(month == 3 ? "Март" : "Июнь").arg(year);
    CalendarModel model;
    model.setToday(QDate(2026, 3, 9));
    model.setHolidays({"8 марта  Женский день"});
    QWidget window;
    QCalendarWidget *calendar =
        makeMonthCalendar(&window, "calendar", {0, 0, 250, 180}, weekNumbers);
    calendar->setFirstDayOfWeek(firstDay);
    calendar->setCurrentPage(year, month);
    followCalendarMarks(calendar, model);
    auto *days = calendar->findChild<QTableView *>();
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(days);
    QVERIFY(table && table->tableInterface());
    QAccessibleTableInterface *cells = table->tableInterface();
    QCOMPARE(table->text(QAccessible::Name), title);
    QCOMPARE(cells->rowCount(), 6);
    QCOMPARE(cells->columnCount(), 7);

    const QStringList weekdays{"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
    const auto readFirstRow = [cells] {
        QStringList row;
        for (int column = 0; column < 7; ++column)
            row << cells->cellAt(0, column)->text(QAccessible::Name);
        return row;
    };
    for (int column = 0; column < 7; ++column)
        QCOMPARE(cells->columnDescription(column), weekdays.at((firstDay - 1 + column) % 7));
    QCOMPARE(readFirstRow(), firstRow);
    // Every cell names the day the toolkit draws there.
    const int weekColumn = weekNumbers ? 1 : 0;
    for (int week = 0; week < 6; ++week) {
        for (int column = 0; column < 7; ++column) {
            const QString drawn =
                days->model()->index(week + 1, column + weekColumn).data().toString();
            QVERIFY2(cells->cellAt(week, column)->text(QAccessible::Name).startsWith(drawn),
                     qPrintable(drawn));
        }
        const QString number = days->model()->index(week + 1, 0).data().toString();
        QCOMPARE(cells->rowDescription(week),
                 weekNumbers ? QStringLiteral("неделя ") + number : QString());
    }
    // The week column going or coming leaves the cells on their days.
    calendar->setVerticalHeaderFormat(weekNumbers ? QCalendarWidget::NoVerticalHeader
                                                  : QCalendarWidget::ISOWeekNumbers);
    QCOMPARE(readFirstRow(), firstRow);
    calendar->setVerticalHeaderFormat(weekNumbers ? QCalendarWidget::ISOWeekNumbers
                                                  : QCalendarWidget::NoVerticalHeader);
    // The marks: today and the holiday, as on the year's grids.
    const auto described = [&](const QDate &date) {
        for (int week = 0; week < 6; ++week)
            for (int column = 0; column < 7; ++column)
                if (monthCalendarDate(calendar, column, week) == date)
                    return cells->cellAt(week, column)->text(QAccessible::Description);
        return QStringLiteral("(not shown)");
    };
    if (month == 3) {
        QCOMPARE(described(QDate(2026, 3, 9)), QStringLiteral("сегодня"));
        QCOMPARE(described(QDate(2026, 3, 8)), QStringLiteral("Женский день"));
        QCOMPARE(described(QDate(2026, 3, 10)), QString());
    }
}

QTEST_MAIN(CalendarMarksTest)
#include "tst_calendarmarks.moc"
