// The go-to-date dialog: entering a date, wrong dates, resetting, week start.
#include "MonthGrid.h"
#include "QuietProgram.h"
#include "MainWindow.h"
#include "SettingsWindow.h"
#include "GoToDateWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

void enter(const QString &day, const QString &month, const QString &year)
{
    pick(Form6->ComboBox1, day);
    pick(Form6->ComboBox2, month);
    Form6->Edit1->clear();
    QTest::keyClicks(Form6->Edit1, year);
    QTest::mouseClick(Form6->BitBtn1, Qt::LeftButton);
}

} // namespace

class TestGoToDate : public QObject {
    Q_OBJECT
    QuietProgram m_program;
    RecordingDialogs &m_dialogs = m_program.dialogs;

private slots:
    void initTestCase() { m_program.start(); }
    void cleanupTestCase() { m_program.stop(); }
    void init()
    {
        Form6->hide();
        Form6->show();
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
        QTest::newRow("plain") << may << "15" << "3" << "2005" << "15. 3. 2005" << QDate(2005, 3, 15);
        QTest::newRow("leading zero year")
            << may << "15" << "3" << "02005" << "15. 3. 02005" << QDate(2005, 3, 15);
        QTest::newRow("31st while the grid shows April")
            << QDate(2007, 4, 10) << "31" << "3" << "2007" << "31. 3. 2007" << QDate(2007, 3, 31);
        QTest::newRow("29 February of a leap year from another year")
            << QDate(2005, 1, 10) << "29" << "2" << "2004" << "29. 2. 2004" << QDate(2004, 2, 29);
        QTest::newRow("31 April") << may << "31" << "4" << "2007" << "" << QDate(2007, 4, 30);
        QTest::newRow("29 February of a common year")
            << may << "29" << "2" << "2005" << "" << QDate(2005, 2, 28);
        QTest::newRow("no day picked") << may << kPrompt << "3" << "2005" << "" << may;
        QTest::newRow("empty year") << may << "15" << "3" << "" << "" << QDate(2010, 3, 15);
        QTest::newRow("letters in the year") << may << "15" << "3" << "20x5" << "" << QDate(2010, 3, 15);
        QTest::newRow("year 0") << may << "1" << "1" << "0" << "" << QDate(2010, 1, 1);
    }
    void accept()
    {
        QFETCH(QDate, before);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, caption);
        QFETCH(QDate, after);
        Form6->Calendar1->setDate(before);
        const auto mainDays = Form1->dayElements();
        const QString mainYear = Form1->Labe->text();
        enter(day, month, year);
        // Only the dialog shows the date; the main window's year stays.
        QVERIFY(Form1->dayElements() == mainDays);
        QCOMPARE(Form1->Labe->text(), mainYear);
        const bool accepted = !caption.isEmpty();
        QCOMPARE(m_dialogs.messages, accepted ? QStringList() : QStringList{kWrongDate});
        QVERIFY(m_dialogs.errors.isEmpty());
        QCOMPARE(Form6->Calendar1->isVisible(), accepted);
        QCOMPARE(Form6->Label1->isVisible(), accepted);
        if (accepted)
            QCOMPARE(Form6->Label1->text(), caption);
        QCOMPARE(Form6->Calendar1->date(), after);
        // The fields keep what was entered, so it can be corrected.
        QCOMPARE(Form6->ComboBox1->currentText(), day);
        QCOMPARE(Form6->Edit1->text(), year);
    }

    void failureAfterSuccessKeepsTheShownDate()
    {
        enter(QStringLiteral("15"), QStringLiteral("3"), QStringLiteral("2005"));
        enter(QStringLiteral("20"), QStringLiteral("7"), QStringLiteral("abc"));
        QCOMPARE(m_dialogs.messages, QStringList{kWrongDate});
        QVERIFY(Form6->Calendar1->isVisible());
        QVERIFY(Form6->Label1->isVisible());
        QCOMPARE(Form6->Label1->text(), QStringLiteral("15. 3. 2005"));
        // Day and month were given before the year failed.
        QCOMPARE(Form6->Calendar1->date(), QDate(2005, 7, 20));
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
            QVERIFY(Form6->close());
        else
            Form6->hide();
        Form6->show();
        QCOMPARE(Form6->ComboBox1->currentText(), kPrompt);
        QCOMPARE(Form6->ComboBox2->currentText(), kPrompt);
        QVERIFY(Form6->Edit1->text().isEmpty());
        QVERIFY(!Form6->Calendar1->isVisible());
        QVERIFY(!Form6->Label1->isVisible());
        QCOMPARE(Form6->Calendar1->date(), QDate(2005, 3, 15)); // kept, hidden
    }

    void dayAndMonthOnlyFromTheirLists()
    {
        QTest::keyClicks(Form6->ComboBox1->lineEdit(), QStringLiteral("12"));
        QTest::keyClick(Form6->ComboBox2->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(Form6->ComboBox1->currentText(), kPrompt);
        QCOMPARE(Form6->ComboBox2->currentText(), kPrompt);
        pick(Form6->ComboBox1, QStringLiteral("15"));
        QTest::keyClicks(Form6->ComboBox1->lineEdit(), QStringLiteral("3"));
        QCOMPARE(Form6->ComboBox1->currentText(), QStringLiteral("15"));
    }

    void gridFollowsTheWeekStart()
    {
        // Created starting on Sunday, whatever the option says.
        QCOMPARE(Form6->Calendar1->startOfWeek(), 0);
        Form14->RadioButton2->click(); // "Воскресенье"
        Form14->RadioButton1->click(); // "Понедельник"
        QCOMPARE(Form6->Calendar1->startOfWeek(), 1);
        Form14->RadioButton2->click(); // "Воскресенье"
        QCOMPARE(Form6->Calendar1->startOfWeek(), 0);
    }
};

QTEST_MAIN(TestGoToDate)
#include "tst_gotodate.moc"
