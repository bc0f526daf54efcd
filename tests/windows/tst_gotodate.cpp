// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The go-to-date dialog: entering a date, wrong dates, resetting, week start.
#include "controls/MonthGrid.h"
#include "core/CalendarModel.h"
#include "tests/support/TestSupport.h"
#include "windows/GoToDateWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kPrompt = QStringLiteral("Нажмите ---------------->");
const QString kWrongDate = QStringLiteral("Неправильно введена дата");

// Picks an item as the user would; the prompt means "nothing picked".
void pick(QComboBox *box, const QString &text)
{
    if (text != kPrompt)
        box->setCurrentIndex(box->findText(text));
}

} // namespace

class TestGoToDate : public QObject {
    Q_OBJECT
    RecordingDialogs m_dialogs;
    CalendarModel m_model;
    GoToDateWindow m_window{m_model, m_dialogs};

    template <typename T> T *find(const char *name) const
    {
        return m_window.findChild<T *>(QString::fromLatin1(name));
    }
    MonthGrid *grid() const { return find<MonthGrid>("grid"); }
    QLabel *dateCaption() const { return find<QLabel>("dateCaption"); }
    QComboBox *dayList() const { return find<QComboBox>("dayList"); }
    QComboBox *monthList() const { return find<QComboBox>("monthList"); }
    QLineEdit *yearField() const { return find<QLineEdit>("yearField"); }

    void enter(const QString &day, const QString &month, const QString &year)
    {
        pick(dayList(), day);
        pick(monthList(), month);
        yearField()->clear();
        QTest::keyClicks(yearField(), year);
        QTest::mouseClick(find<QPushButton>("acceptButton"), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_window.hide();
        m_window.show();
        m_dialogs.clear();
    }

    void accept_data()
    {
        QTest::addColumn<QDate>("before"); // the grid's date before "Принять"
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("caption"); // empty: refused
        QTest::addColumn<QDate>("after");
        const QDate may = QDate(2010, 5, 20);
        QTest::newRow("plain") << may << "15"
                               << "3"
                               << "2005"
                               << "15. 3. 2005" << QDate(2005, 3, 15);
        QTest::newRow("leading zero year") << may << "15"
                                           << "3"
                                           << "02005"
                                           << "15. 3. 02005" << QDate(2005, 3, 15);
        QTest::newRow("31st while the grid shows April") << QDate(2007, 4, 10) << "31"
                                                         << "3"
                                                         << "2007"
                                                         << "31. 3. 2007" << QDate(2007, 3, 31);
        QTest::newRow("29 February of a leap year from another year")
            << QDate(2005, 1, 10) << "29"
            << "2"
            << "2004"
            << "29. 2. 2004" << QDate(2004, 2, 29);
        QTest::newRow("31 April") << may << "31"
                                  << "4"
                                  << "2007"
                                  << "" << QDate(2007, 4, 30);
        QTest::newRow("29 February of a common year") << may << "29"
                                                      << "2"
                                                      << "2005"
                                                      << "" << QDate(2005, 2, 28);
        QTest::newRow("no day picked") << may << kPrompt << "3"
                                       << "2005"
                                       << "" << may;
        QTest::newRow("empty year") << may << "15"
                                    << "3"
                                    << ""
                                    << "" << QDate(2010, 3, 15);
        QTest::newRow("letters in the year") << may << "15"
                                             << "3"
                                             << "20x5"
                                             << "" << QDate(2010, 3, 15);
        QTest::newRow("year 0") << may << "1"
                                << "1"
                                << "0"
                                << "" << QDate(2010, 1, 1);
    }
    void accept()
    {
        QFETCH(QDate, before);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, caption);
        QFETCH(QDate, after);
        grid()->setDate(before);
        const MonthDays mainDays = m_model.days();
        const int mainYear = m_model.year();
        enter(day, month, year);
        // Only the dialog shows the date; the calendar's year and days stay.
        QVERIFY(m_model.days() == mainDays);
        QCOMPARE(m_model.year(), mainYear);
        const bool accepted = !caption.isEmpty();
        QCOMPARE(m_dialogs.messages, accepted ? QStringList() : QStringList{kWrongDate});
        QVERIFY(m_dialogs.errors.isEmpty());
        QCOMPARE(grid()->isVisible(), accepted);
        QCOMPARE(dateCaption()->isVisible(), accepted);
        if (accepted)
            QCOMPARE(dateCaption()->text(), caption);
        QCOMPARE(grid()->date(), after);
        // The fields keep what was entered, so it can be corrected.
        QCOMPARE(dayList()->currentText(), day);
        QCOMPARE(yearField()->text(), year);
    }

    void failureAfterSuccessKeepsTheShownDate()
    {
        enter(QStringLiteral("15"), QStringLiteral("3"), QStringLiteral("2005"));
        enter(QStringLiteral("20"), QStringLiteral("7"), QStringLiteral("abc"));
        QCOMPARE(m_dialogs.messages, QStringList{kWrongDate});
        QVERIFY(grid()->isVisible());
        QVERIFY(dateCaption()->isVisible());
        QCOMPARE(dateCaption()->text(), QStringLiteral("15. 3. 2005"));
        // Day and month were given before the year failed.
        QCOMPARE(grid()->date(), QDate(2005, 7, 20));
    }

    void closingResetsTheFields_data()
    {
        QTest::addColumn<bool>("byClose");
        QTest::newRow("closed") << true;
        QTest::newRow("hidden") << false;
    }
    void closingResetsTheFields()
    {
        QFETCH(bool, byClose);
        enter(QStringLiteral("15"), QStringLiteral("3"), QStringLiteral("2005"));
        if (byClose)
            QVERIFY(m_window.close());
        else
            m_window.hide();
        m_window.show();
        QCOMPARE(dayList()->currentText(), kPrompt);
        QCOMPARE(monthList()->currentText(), kPrompt);
        QVERIFY(yearField()->text().isEmpty());
        QVERIFY(!grid()->isVisible());
        QVERIFY(!dateCaption()->isVisible());
        QCOMPARE(grid()->date(), QDate(2005, 3, 15)); // kept, hidden
    }

    void dayAndMonthOnlyFromTheirLists()
    {
        QTest::keyClicks(dayList()->lineEdit(), QStringLiteral("12"));
        QTest::keyClick(monthList()->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(dayList()->currentText(), kPrompt);
        QCOMPARE(monthList()->currentText(), kPrompt);
        pick(dayList(), QStringLiteral("15"));
        QTest::keyClicks(dayList()->lineEdit(), QStringLiteral("3"));
        QCOMPARE(dayList()->currentText(), QStringLiteral("15"));
    }

    void gridFollowsTheWeekStart()
    {
        // Made on the option in force, following the model's changes after.
        QCOMPARE(grid()->startOfWeek(), Qt::Monday);
        m_model.setStartOfWeek(Qt::Sunday);
        QCOMPARE(grid()->startOfWeek(), Qt::Sunday);
        GoToDateWindow later(m_model, m_dialogs);
        QCOMPARE(later.findChild<MonthGrid *>("grid")->startOfWeek(), Qt::Sunday);
        m_model.setStartOfWeek(Qt::Monday);
        QCOMPARE(grid()->startOfWeek(), Qt::Monday);
    }
};

QTEST_MAIN(TestGoToDate)
#include "tst_gotodate.moc"
