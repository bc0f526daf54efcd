// The page "Праздники" and the edit window, driven as the user drives them.
#include "QuietProgram.h"
#include "MainWindow.h"
#include "SettingsWindow.h"
#include "HolidayEditWindow.h"
#include "ImageButton.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

const QString kWrongDate = QStringLiteral("Неправильно введена дата!!!");

void pick(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(text.isEmpty() ? -1 : box->findText(text));
}

QStringList entries()
{
    return Form14->holidayEntries();
}

void setEntries(const QStringList &list)
{
    Form14->ListBox1->clear();
    Form14->ListBox1->addItems(list);
}

} // namespace

class HolidayPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_program.start(); }
    void cleanupTestCase() { m_program.stop(); }
    void init();
    void addEntry_data();
    void addEntry();
    void keyFiltersAndClearing();
    void sortAndDelete();
    void listShortcuts();
    void editWindow();

private:
    QuietProgram m_program;
    RecordingDialogs *const m_dialogs = &m_program.dialogs;
};

void HolidayPageTest::init()
{
    Form14->Button5Click();
    m_program.dialogs.clear();
}

void HolidayPageTest::addEntry_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("entry"); // empty: refused
    QTest::addColumn<QString>("message");
    QTest::newRow("no year") << "31"
                             << "Февраля"
                             << ""
                             << "Тест"
                             << "31 февраля  Тест"
                             << "";
    QTest::newRow("with year") << "1"
                               << "Января"
                               << "2006"
                               << "Новый год"
                               << "1 января 2006г. Новый год"
                               << "";
    QTest::newRow("four spaces") << "7"
                                 << "Мая"
                                 << ""
                                 << "    "
                                 << "7 мая      "
                                 << "";
    QTest::newRow("three letters") << "7"
                                   << "Мая"
                                   << "2005"
                                   << "Абв"
                                   << "" << kWrongDate;
    QTest::newRow("no day") << ""
                            << "Мая"
                            << ""
                            << "Праздник"
                            << "" << kWrongDate;
    QTest::newRow("no month") << "7"
                              << ""
                              << ""
                              << "Праздник"
                              << "" << kWrongDate;
    QTest::newRow("not storable")
        << "7"
        << "Мая"
        << "" << QString::fromUtf8("Праздник \xF0\x9F\x8E\x89") << ""
        << QString::fromUtf8("Текст «7 мая  Праздник \xF0\x9F\x8E\x89» содержит знаки, которые "
                             "профиль не может сохранить. Используйте русские и латинские "
                             "буквы, цифры и обычные знаки препинания.");
}

void HolidayPageTest::addEntry()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, caption);
    QFETCH(QString, entry);
    QFETCH(QString, message);
    setEntries({"1 мая  Весна"});
    pick(Form14->ComboBox1, day);
    pick(Form14->ComboBox2, month);
    Form14->Edit12->setText(year);
    Form14->Edit5->setText(caption);
    QTest::mouseClick(Form14->WinButton1, Qt::LeftButton);

    if (entry.isEmpty()) {
        QCOMPARE(m_dialogs->messages, QStringList{message});
        QCOMPARE(entries(), QStringList{"1 мая  Весна"});
    } else {
        QVERIFY(m_dialogs->all().isEmpty());
        QCOMPARE(entries(), (QStringList{"1 мая  Весна", entry}));
    }
    // The fields keep what was put into them either way.
    QCOMPARE(Form14->ComboBox1->currentText(), day);
    QCOMPARE(Form14->ComboBox2->currentText(), month);
    QCOMPARE(Form14->Edit12->text(), year);
    QCOMPARE(Form14->Edit5->text(), caption);
}

void HolidayPageTest::keyFiltersAndClearing()
{
    QLineEdit *year = Form14->Edit12;
    typeText(year, QStringLiteral("2a -я0.05"));
    QCOMPARE(year->text(), QStringLiteral("2005"));
    typeText(year, QStringLiteral("7"));
    QCOMPARE(year->text(), QStringLiteral("2005"));
    QTest::keyClick(year, Qt::Key_Backspace);
    QCOMPARE(year->text(), QStringLiteral("200"));

    // Day and month come from their lists only: typing picks nothing.
    pick(Form14->ComboBox1, "5");
    typeText(Form14->ComboBox1, QStringLiteral("1"));
    QCOMPARE(Form14->ComboBox1->currentText(), QStringLiteral("5"));
    typeText(Form14->ComboBox2, QStringLiteral("Ма"));
    QCOMPARE(Form14->ComboBox2->currentText(), QString());
    QTest::keyClick(Form14->ComboBox2, Qt::Key_Down);
    QCOMPARE(Form14->ComboBox2->currentText(), QStringLiteral("Января"));

    Form14->Edit5->setText(QStringLiteral("Праздник"));
    QTest::mouseClick(Form14->Button5, Qt::LeftButton);
    for (const QString &text : {Form14->ComboBox1->currentText(), Form14->ComboBox2->currentText(),
                                Form14->Edit12->text(), Form14->Edit5->text()})
        QCOMPARE(text, QString());
}

void HolidayPageTest::sortAndDelete()
{
    setEntries({"2 января  А", "10 января  Б", "1 мая  В"});
    Form14->N1->trigger();
    QCOMPARE(entries(), (QStringList{"1 мая  В", "10 января  Б", "2 января  А"}));
    pick(Form14->ComboBox1, "1");
    pick(Form14->ComboBox2, "Января");
    Form14->Edit5->setText(QStringLiteral("Новый год"));
    Form14->WinButton1Click();
    QCOMPARE(entries().last(), QStringLiteral("1 января  Новый год"));

    // Nothing selected: nothing happens, nothing is said.
    Form14->N3->trigger();
    QCOMPARE(Form14->ListBox1->count(), 4);
    Form14->ListBox1->setCurrentRow(1);
    Form14->N3->trigger();
    QCOMPARE(entries(), (QStringList{"1 мая  В", "2 января  А", "1 января  Новый год"}));
    QCOMPARE(Form14->selectedHoliday(), -1);
    QVERIFY(m_dialogs->all().isEmpty());

    setEntries({});
    Form14->N3->trigger();
    QCOMPARE(m_dialogs->messages, QStringList{"Нечего удалять"});

    // The list stops at 999 entries, the most a profile carries.
    setEntries(QStringList(999, QStringLiteral("1 января  Запись")));
    Form14->WinButton1Click();
    QCOMPARE(Form14->ListBox1->count(), 999);
    QVERIFY(m_dialogs->messages.last().contains(QLatin1String("999")));
}

void HolidayPageTest::listShortcuts()
{
    setEntries({"2 января  А", "10 января  Б", "1 мая  В"});
    Form14->showPage(Form14->TabSheet8);
    QVERIFY(QTest::qWaitForWindowActive(Form14));
    QListWidget *list = Form14->ListBox1;
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(entries(), (QStringList{"10 января  Б", "1 мая  В"}));
    QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(entries(), (QStringList{"1 мая  В", "10 января  Б"}));
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Insert);
    QVERIFY(QTest::qWaitForWindowActive(Form18));
    QCOMPARE(Form18->Edit1->text(), QStringLiteral("10 января  Б"));

    // Enter on the page adds through the page's default button.
    Form18->hide();
    Form14->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form14));
    pick(Form14->ComboBox1, "9");
    pick(Form14->ComboBox2, "Мая");
    Form14->Edit5->setText(QStringLiteral("Победа"));
    QTest::keyClick(Form14->Edit5, Qt::Key_Return);
    QCOMPARE(entries().last(), QStringLiteral("9 мая  Победа"));
    Form14->hide();
}

void HolidayPageTest::editWindow()
{
    setEntries({"7 января 2005г. Рождество", "23 февраля  Праздник"});
    Form14->showPage(Form14->TabSheet8);
    QVERIFY(QTest::qWaitForWindowActive(Form14));

    // Nothing selected: the field keeps what it had, "Применить" only hides.
    Form18->Edit1->setText(QStringLiteral("было"));
    Form14->N4Click();
    QVERIFY(QTest::qWaitForWindowActive(Form18));
    QCOMPARE(Form18->Edit1->text(), QStringLiteral("было"));
    QTest::mouseClick(Form18->WinButton1, Qt::LeftButton);
    QVERIFY(!Form18->isVisible());
    QCOMPARE(entries().first(), QStringLiteral("7 января 2005г. Рождество"));
    Form14->N4Click();
    QVERIFY(QTest::qWaitForWindowActive(Form18));
    QCOMPARE(Form18->Edit1->text(), QStringLiteral("было"));
    // Both windows open in the middle of the desktop.
    const QPoint middle = Form18->screen()->availableGeometry().center();
    for (QWidget *window : {static_cast<QWidget *>(Form14), static_cast<QWidget *>(Form18)})
        QVERIFY((window->frameGeometry().center() - middle).manhattanLength() <= 4);

    // Coming back to the edit window refills it from the selected entry.
    Form14->ListBox1->setCurrentRow(1);
    Form18->Edit1->setText(QStringLiteral("набрано"));
    Form14->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form14));
    Form18->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form18));
    QCOMPARE(Form18->Edit1->text(), QStringLiteral("23 февраля  Праздник"));

    // A text the profile cannot keep is refused; the window stays.
    Form18->Edit1->setText(QString::fromUtf8("23 февраля \xF0\x9F\x8E\x89"));
    Form18->WinButton1Click();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(Form18->isVisible());

    // Any other text goes in unchanged, an empty one too.
    Form18->Edit1->clear();
    Form18->WinButton1Click();
    QVERIFY(!Form18->isVisible());
    QCOMPARE(entries(), (QStringList{"7 января 2005г. Рождество", ""}));
    Form14->ListBox1->setCurrentRow(0);

    // "Отмена" empties the field and leaves the list alone.
    Form14->N4Click();
    QVERIFY(QTest::qWaitForWindowActive(Form18));
    Form18->Edit1->setText(QStringLiteral("что-то"));
    QTest::mouseClick(Form18->Button1, Qt::LeftButton);
    QVERIFY(!Form18->isVisible());
    QCOMPARE(Form18->Edit1->text(), QString());
    QCOMPARE(entries().first(), QStringLiteral("7 января 2005г. Рождество"));
    Form14->hide();
}

QTEST_MAIN(HolidayPageTest)
#include "tst_holidaypage.moc"
