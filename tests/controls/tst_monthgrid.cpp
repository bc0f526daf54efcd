// The month grid: date elements, their failures, week start and selection.
#include "MonthGrid.h"
#include "Errors.h"

#include <QtTest>

class MonthGridTest : public QObject {
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

void MonthGridTest::newGridHoldsToday()
{
    MonthGrid grid;
    QCOMPARE(grid.date(), QDate::currentDate());
    QCOMPARE(grid.dateElement(MonthGrid::Element::Year), QDate::currentDate().year());
    QVERIFY_THROWS_EXCEPTION(DateError, grid.dateElement(MonthGrid::Element(4)));
}

void MonthGridTest::setElement_data()
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

void MonthGridTest::setElement()
{
    QFETCH(QDate, start);
    QFETCH(int, element);
    QFETCH(int, value);
    QFETCH(QDate, expected);
    MonthGrid grid;
    grid.setDate(start);
    if (expected.isValid()) {
        grid.setDateElement(MonthGrid::Element(element), value);
        QCOMPARE(grid.date(), expected);
    } else {
        QVERIFY_THROWS_EXCEPTION(DateError, grid.setDateElement(MonthGrid::Element(element), value));
        QCOMPARE(grid.date(), start);
    }
}

void MonthGridTest::yearChangeFromLeapDay()
{
    MonthGrid grid;
    grid.setDate(QDate(2008, 2, 29));
    grid.setDateElement(MonthGrid::Element::Year, 2009);
    QCOMPARE(grid.date(), QDate(2009, 2, 28));
    grid.setDateElement(MonthGrid::Element::Year, 2012); // the 29th does not come back by itself
    QCOMPARE(grid.date(), QDate(2012, 2, 28));
}

void MonthGridTest::weekStartMovesColumns()
{
    MonthGrid grid;
    grid.resize(193, 120);
    grid.setDate(QDate(2026, 3, 1)); // a Sunday
    QCOMPARE(grid.startOfWeek(), 1);
    QCOMPARE(grid.cellOfDay(1), QPoint(6, 0));
    QCOMPARE(grid.cellOfDay(2), QPoint(0, 1));
    // Six week rows are enough for the longest spread: 31 days from a Sunday.
    QCOMPARE(grid.cellOfDay(31), QPoint(1, 5));
    grid.setStartOfWeek(0);
    QCOMPARE(grid.cellOfDay(1), QPoint(0, 0));
    QCOMPARE(grid.cellOfDay(31), QPoint(2, 4));
}

void MonthGridTest::mouseAndKeysSelectInsideMonth()
{
    MonthGrid grid;
    grid.resize(193, 120);
    grid.setDate(QDate(2026, 4, 15));
    QSignalSpy changed(&grid, &MonthGrid::dateChanged);
    const QPoint cell = grid.cellOfDay(9);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(cell.x(), cell.y() + 1).center());
    QCOMPARE(grid.date(), QDate(2026, 4, 9));
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.dateElement(MonthGrid::Element::Day), 16);
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(grid.dateElement(MonthGrid::Element::Day), 17);
    QCOMPARE(changed.count(), 3);
    grid.setDateElement(MonthGrid::Element::Day, 30);
    QTest::keyClick(&grid, Qt::Key_Right); // would leave April
    QCOMPARE(grid.date(), QDate(2026, 4, 30));
    // A click on the heading row selects nothing.
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(0, 0).center());
    QCOMPARE(grid.dateElement(MonthGrid::Element::Day), 30);
}

void MonthGridTest::readOnlyIgnoresUser()
{
    MonthGrid grid;
    grid.resize(193, 120);
    grid.setDate(QDate(2026, 4, 15));
    grid.setReadOnly(true);
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(grid.dateElement(MonthGrid::Element::Day), 15);
    grid.setDateElement(MonthGrid::Element::Day, 2); // the program itself still sets it
    QCOMPARE(grid.dateElement(MonthGrid::Element::Day), 2);
}

QTEST_MAIN(MonthGridTest)
#include "tst_monthgrid.moc"
