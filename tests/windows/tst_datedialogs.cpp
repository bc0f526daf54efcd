// The small date dialogs: field differences and closing the one-month window.
#include "QuietProgram.h"
#include "OneMonthWindow.h"
#include "DateSpanWindow.h"
#include "ExitBar.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestDateDialogs : public QObject {
    Q_OBJECT
    QuietProgram m_program;

private slots:
    void initTestCase() { m_program.start(); }
    void cleanupTestCase() { m_program.stop(); }

    void fieldDifferences_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no borrowing") << QDate(2003, 1, 31) << QDate(2004, 3, 1) << "1 / 2 / 30";
        QTest::newRow("swapped") << QDate(2004, 3, 1) << QDate(2003, 1, 31) << "1 / 2 / 30";
        QTest::newRow("equal") << QDate(2003, 4, 17) << QDate(2003, 4, 17) << "0 / 0 / 0";
        QTest::newRow("a day short of a month") << QDate(2003, 5, 15) << QDate(2003, 6, 14) << "0 / 1 / 1";
        QTest::newRow("over new year") << QDate(2003, 12, 31) << QDate(2004, 1, 1) << "1 / 11 / 30";
    }
    void fieldDifferences()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QString, shown);
        Form17->MonthCalendar1->setSelectedDate(start);
        Form17->MonthCalendar2->setSelectedDate(end);
        Form17->show();
        QTest::mouseClick(Form17->Button1, Qt::LeftButton);
        QCOMPARE(Form17->Label3->text(), shown);
    }

    void closingOneMonthAsksWhatNext_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("close box") << false;
        QTest::newRow("Escape") << true;
    }
    void closingOneMonthAsksWhatNext()
    {
        QFETCH(bool, byEscape);
        Form19->hide();
        Form16->show();
        if (byEscape)
            QTest::keyClick(Form16, Qt::Key_Escape);
        else
            QVERIFY(Form16->close());
        QVERIFY(!Form16->isVisible());
        QVERIFY(Form19->isVisible());
    }
};

QTEST_MAIN(TestDateDialogs)
#include "tst_datedialogs.moc"
