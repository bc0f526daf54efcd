// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The small date dialogs: field differences, closing the one-month window and
// the exit bar's answers.
#include "controls/ImageButton.h"
#include "core/CalendarModel.h"
#include "tests/support/FakeServices.h"
#include "windows/DateSpanWindow.h"
#include "windows/ExitBar.h"
#include "windows/OneMonthWindow.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QString call(const char *what, WindowRole role)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(int(role));
}

} // namespace

class TestDateDialogs : public QObject {
    Q_OBJECT

private slots:
    void fieldDifferences_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no borrowing") << QDate(2003, 1, 31) << QDate(2004, 3, 1) << "1 / 2 / 30";
        QTest::newRow("swapped") << QDate(2004, 3, 1) << QDate(2003, 1, 31) << "1 / 2 / 30";
        QTest::newRow("equal") << QDate(2003, 4, 17) << QDate(2003, 4, 17) << "0 / 0 / 0";
        QTest::newRow("a day short of a month")
            << QDate(2003, 5, 15) << QDate(2003, 6, 14) << "0 / 1 / 1";
        QTest::newRow("over new year") << QDate(2003, 12, 31) << QDate(2004, 1, 1) << "1 / 11 / 30";
    }
    void fieldDifferences()
    {
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QString, shown);
        RecordingDialogs dialogs;
        DateSpanWindow window(dialogs);
        window.findChild<QCalendarWidget *>(QStringLiteral("startCalendar"))
            ->setSelectedDate(start);
        window.findChild<QCalendarWidget *>(QStringLiteral("endCalendar"))->setSelectedDate(end);
        window.show();
        QTest::mouseClick(window.findChild<QPushButton *>(), Qt::LeftButton);
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("resultLabel"))->text(), shown);
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
        CalendarModel model;
        FakeServices services;
        OneMonthWindow window(model, services);
        window.show();
        if (byEscape)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        QCOMPARE(services.calls, QStringList{call("show", WindowRole::ExitBar)});
    }

    void exitBarAnswers_data()
    {
        QTest::addColumn<QString>("press"); // a button, or "Enter"
        QTest::addColumn<QStringList>("calls");
        const QString reachable = call("reachable", WindowRole::ExitBar);
        QTest::newRow("close the window")
            << "closeButton" << QStringList{call("hide", WindowRole::OneMonth), reachable};
        QTest::newRow("Enter closes the window")
            << "Enter" << QStringList{call("hide", WindowRole::OneMonth), reachable};
        QTest::newRow("main window") << "mainWindowButton" << QStringList{"main", reachable};
        QTest::newRow("cancel") << "cancelButton"
                                << QStringList{call("show", WindowRole::OneMonth), reachable};
        QTest::newRow("exit") << "exitButton" << QStringList{"end"};
    }
    void exitBarAnswers()
    {
        QFETCH(QString, press);
        QFETCH(QStringList, calls);
        FakeServices services;
        ExitBar bar(services);
        bar.show();
        if (press == QLatin1String("Enter"))
            QTest::keyClick(&bar, Qt::Key_Return);
        else
            QTest::mouseClick(bar.findChild<ImageButton *>(press), Qt::LeftButton);
        QCOMPARE(services.calls, calls);
        QCOMPARE(bar.isVisible(), press == QLatin1String("exitButton"));
    }
};

QTEST_MAIN(TestDateDialogs)
#include "tst_datedialogs.moc"
