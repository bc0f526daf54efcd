// The month grid: date elements, their failures, week start and selection.
#include "Calendar.h"
#include "Errors.h"

#include <QtTest>

class CalendarTest : public QObject {
    Q_OBJECT
private slots:
    void newGridHoldsToday();
    void setElement_data();
    void setElement();
    void yearChangeFromLeapDay();
    void weekStartMovesColumns();
    void mouseAndKeysSelectInsideMonth();
    void readOnlyIgnoresUser();
};

void CalendarTest::newGridHoldsToday()
{
    TCalendar grid;
    QCOMPARE(grid.CalendarDate(), QDate::currentDate());
    QCOMPARE(grid.GetDateElement(1), QDate::currentDate().year());
    QVERIFY_THROWS_EXCEPTION(DateError, grid.GetDateElement(4));
}

void CalendarTest::setElement_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("value");
    QTest::addColumn<QDate>("expected"); // invalid: the call fails, date kept
    const QDate apr15(2026, 4, 15);
    QTest::newRow("year") << apr15 << 1 << 2008 << QDate(2008, 4, 15);
    QTest::newRow("year 1") << apr15 << 1 << 1 << QDate(1, 4, 15);
    QTest::newRow("year 9999") << apr15 << 1 << 9999 << QDate(9999, 4, 15);
    QTest::newRow("year 0") << apr15 << 1 << 0 << QDate();
    QTest::newRow("year 10000") << apr15 << 1 << 10000 << QDate();
    QTest::newRow("year negative") << apr15 << 1 << -5 << QDate();
    QTest::newRow("month") << apr15 << 2 << 12 << QDate(2026, 12, 15);
    QTest::newRow("month 0") << apr15 << 2 << 0 << QDate();
    QTest::newRow("month 13") << apr15 << 2 << 13 << QDate();
    QTest::newRow("month without day") << QDate(2026, 1, 31) << 2 << 4 << QDate();
    QTest::newRow("day") << apr15 << 3 << 30 << QDate(2026, 4, 30);
    QTest::newRow("day 31 in April") << apr15 << 3 << 31 << QDate();
    QTest::newRow("day 0") << apr15 << 3 << 0 << QDate();
    QTest::newRow("element 4") << apr15 << 4 << 1 << QDate();
}

void CalendarTest::setElement()
{
    QFETCH(QDate, start);
    QFETCH(int, element);
    QFETCH(int, value);
    QFETCH(QDate, expected);
    TCalendar grid;
    grid.SetCalendarDate(start);
    if (expected.isValid()) {
        grid.SetDateElement(element, value);
        QCOMPARE(grid.CalendarDate(), expected);
    } else {
        QVERIFY_THROWS_EXCEPTION(DateError, grid.SetDateElement(element, value));
        QCOMPARE(grid.CalendarDate(), start);
    }
}

void CalendarTest::yearChangeFromLeapDay()
{
    TCalendar grid;
    grid.SetCalendarDate(QDate(2008, 2, 29));
    grid.SetDateElement(1, 2009);
    QCOMPARE(grid.CalendarDate(), QDate(2009, 2, 28));
    grid.SetDateElement(1, 2012); // the 29th does not come back by itself
    QCOMPARE(grid.CalendarDate(), QDate(2012, 2, 28));
}

void CalendarTest::weekStartMovesColumns()
{
    TCalendar grid;
    grid.resize(193, 120);
    grid.SetCalendarDate(QDate(2026, 3, 1)); // a Sunday
    QCOMPARE(grid.StartOfWeek(), 1);
    QCOMPARE(grid.cellOfDay(1), QPoint(6, 0));
    QCOMPARE(grid.cellOfDay(2), QPoint(0, 1));
    // Six week rows are enough for the longest spread: 31 days from a Sunday.
    QCOMPARE(grid.cellOfDay(31), QPoint(1, 5));
    grid.SetStartOfWeek(0);
    QCOMPARE(grid.cellOfDay(1), QPoint(0, 0));
    QCOMPARE(grid.cellOfDay(31), QPoint(2, 4));
}

void CalendarTest::mouseAndKeysSelectInsideMonth()
{
    TCalendar grid;
    grid.resize(193, 120);
    grid.SetCalendarDate(QDate(2026, 4, 15));
    QSignalSpy changed(&grid, &TCalendar::dateChanged);
    const QPoint cell = grid.cellOfDay(9);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(cell.x(), cell.y() + 1).center());
    QCOMPARE(grid.CalendarDate(), QDate(2026, 4, 9));
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.GetDateElement(3), 16);
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(grid.GetDateElement(3), 17);
    QCOMPARE(changed.count(), 3);
    grid.SetDateElement(3, 30);
    QTest::keyClick(&grid, Qt::Key_Right); // would leave April
    QCOMPARE(grid.CalendarDate(), QDate(2026, 4, 30));
    // A click on the heading row selects nothing.
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(0, 0).center());
    QCOMPARE(grid.GetDateElement(3), 30);
}

void CalendarTest::readOnlyIgnoresUser()
{
    TCalendar grid;
    grid.resize(193, 120);
    grid.SetCalendarDate(QDate(2026, 4, 15));
    grid.SetReadOnly(true);
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(grid.GetDateElement(3), 15);
    grid.SetDateElement(3, 2); // the program itself still sets it
    QCOMPARE(grid.GetDateElement(3), 2);
}

QTEST_MAIN(CalendarTest)
#include "tst_calendar.moc"
