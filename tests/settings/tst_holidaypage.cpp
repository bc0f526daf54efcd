// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The page "Праздники" and the edit window, driven as the user drives them.
#include "controls/ImageButton.h"
#include "core/CalendarModel.h"
#include "core/ICalendar.h"
#include "platform/ReportDialog.h"
#include "settings/SettingsWindow.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

const QString kWrongDate = QStringLiteral("Неправильно введена дата!!!");

// An all-day event as other calendar programs write one.
QByteArray allDayEvent(const char *start, const QString &summary, bool yearly)
{
    return QByteArray("BEGIN:VEVENT\r\nUID:") + start + summary.toUtf8().toHex().left(8) +
           "\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:" + start + "\r\n" +
           (yearly ? "RRULE:FREQ=YEARLY\r\n" : "") + "SUMMARY:" + summary.toUtf8() +
           "\r\nEND:VEVENT\r\n";
}

QByteArray calendar(const QByteArray &events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//test//EN\r\n" + events +
           "END:VCALENDAR\r\n";
}

void pick(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(text.isEmpty() ? -1 : box->findText(text));
}

} // namespace

class HolidayPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void addEntry_data();
    void addEntry();
    void keyFiltersAndClearing();
    void sortAndDelete();
    void listShortcuts();
    void editWindow();
    void iCalendarExport();
    void iCalendarImport_data();
    void iCalendarImport();
    void longReportIsCut();

private:
    template <typename T> T *find(const char *name) const
    {
        return m_window.findChild<T *>(QString::fromLatin1(name));
    }
    QListWidget *list() const { return find<QListWidget>("holidayList"); }
    QStringList entries() const { return m_model.holidays(); }
    void setEntries(const QStringList &list) { m_model.setHolidays(list); }
    int selectedRow() const;
    // The edit window, once the page has made it.
    QDialog *editor() const;
    QLineEdit *editorField() const { return editor()->findChild<QLineEdit *>("entryField"); }

    RecordingDialogs m_dialogs;
    CalendarModel m_model;
    FakeServices m_services{m_dialogs};
    SettingsWindow m_window{m_model, m_services};
};

void HolidayPageTest::init()
{
    find<QPushButton>("clearButton")->click();
    m_dialogs.clear();
}

void HolidayPageTest::cleanup()
{
    // The list is a view of the model, whatever was done.
    QStringList shown;
    for (int i = 0; i < list()->count(); ++i)
        shown << list()->item(i)->text();
    QCOMPARE(shown, m_model.holidays());
}

int HolidayPageTest::selectedRow() const
{
    const QList<QListWidgetItem *> selected = list()->selectedItems();
    return selected.isEmpty() ? -1 : list()->row(selected.first());
}

QDialog *HolidayPageTest::editor() const
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("holidayEditWindow"))
            return qobject_cast<QDialog *>(window);
    return nullptr;
}

void HolidayPageTest::addEntry_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("entry"); // empty: refused
    QTest::addColumn<QString>("message");
    QTest::newRow("no year") << "29"
                             << "Февраля"
                             << ""
                             << "Тест"
                             << "29 февраля  Тест"
                             << "";
    QTest::newRow("no such day") << "31"
                                 << "Февраля"
                                 << ""
                                 << "Тест"
                                 << "" << kWrongDate;
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
    pick(find<QComboBox>("dayList"), day);
    pick(find<QComboBox>("monthList"), month);
    find<QLineEdit>("yearField")->setText(year);
    find<QLineEdit>("captionField")->setText(caption);
    QTest::mouseClick(find<QPushButton>("addButton"), Qt::LeftButton);

    if (entry.isEmpty()) {
        QCOMPARE(m_dialogs.messages, QStringList{message});
        QCOMPARE(entries(), QStringList{"1 мая  Весна"});
    } else {
        QVERIFY(m_dialogs.all().isEmpty());
        QCOMPARE(entries(), (QStringList{"1 мая  Весна", entry}));
    }
    // The fields keep what was put into them either way.
    QCOMPARE(find<QComboBox>("dayList")->currentText(), day);
    QCOMPARE(find<QComboBox>("monthList")->currentText(), month);
    QCOMPARE(find<QLineEdit>("yearField")->text(), year);
    QCOMPARE(find<QLineEdit>("captionField")->text(), caption);
}

void HolidayPageTest::keyFiltersAndClearing()
{
    QLineEdit *year = find<QLineEdit>("yearField");
    typeText(year, QStringLiteral("2a -я0.05"));
    QCOMPARE(year->text(), QStringLiteral("2005"));
    typeText(year, QStringLiteral("7"));
    QCOMPARE(year->text(), QStringLiteral("2005"));
    QTest::keyClick(year, Qt::Key_Backspace);
    QCOMPARE(year->text(), QStringLiteral("200"));

    // Day and month come from their lists only: typing picks nothing.
    pick(find<QComboBox>("dayList"), "5");
    typeText(find<QComboBox>("dayList"), QStringLiteral("1"));
    QCOMPARE(find<QComboBox>("dayList")->currentText(), QStringLiteral("5"));
    typeText(find<QComboBox>("monthList"), QStringLiteral("Ма"));
    QCOMPARE(find<QComboBox>("monthList")->currentText(), QString());
    QTest::keyClick(find<QComboBox>("monthList"), Qt::Key_Down);
    QCOMPARE(find<QComboBox>("monthList")->currentText(), QStringLiteral("Января"));

    find<QLineEdit>("captionField")->setText(QStringLiteral("Праздник"));
    QTest::mouseClick(find<QPushButton>("clearButton"), Qt::LeftButton);
    for (const QString &text :
         {find<QComboBox>("dayList")->currentText(), find<QComboBox>("monthList")->currentText(),
          find<QLineEdit>("yearField")->text(), find<QLineEdit>("captionField")->text()})
        QCOMPARE(text, QString());
}

void HolidayPageTest::sortAndDelete()
{
    setEntries({"2 января  А", "10 января  Б", "1 мая  В"});
    find<QAction>("actionSort")->trigger();
    QCOMPARE(entries(), (QStringList{"1 мая  В", "10 января  Б", "2 января  А"}));
    pick(find<QComboBox>("dayList"), "1");
    pick(find<QComboBox>("monthList"), "Января");
    find<QLineEdit>("captionField")->setText(QStringLiteral("Новый год"));
    find<QPushButton>("addButton")->click();
    QCOMPARE(entries().last(), QStringLiteral("1 января  Новый год"));

    // Nothing selected: nothing happens, nothing is said.
    find<QAction>("actionDelete")->trigger();
    QCOMPARE(list()->count(), 4);
    list()->setCurrentRow(1);
    find<QAction>("actionDelete")->trigger();
    QCOMPARE(entries(), (QStringList{"1 мая  В", "2 января  А", "1 января  Новый год"}));
    QCOMPARE(selectedRow(), -1);
    QVERIFY(m_dialogs.all().isEmpty());

    setEntries({});
    find<QAction>("actionDelete")->trigger();
    QCOMPARE(m_dialogs.messages, QStringList{"Нечего удалять"});

    // The list stops at 999 entries, the most a profile carries.
    setEntries(QStringList(999, QStringLiteral("1 января  Запись")));
    find<QPushButton>("addButton")->click();
    QCOMPARE(list()->count(), 999);
    QVERIFY(m_dialogs.messages.last().contains(QLatin1String("999")));
}

void HolidayPageTest::listShortcuts()
{
    setEntries({"2 января  А", "10 января  Б", "1 мая  В"});
    m_window.showPage(SettingsPage::Holidays);
    QVERIFY(QTest::qWaitForWindowActive(&m_window));
    QListWidget *list = this->list();
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(entries(), (QStringList{"10 января  Б", "1 мая  В"}));
    QTest::keyClick(list, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(entries(), (QStringList{"1 мая  В", "10 января  Б"}));
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Insert);
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    QCOMPARE(editorField()->text(), QStringLiteral("10 января  Б"));

    // Enter on the page adds through the page's default button.
    editor()->hide();
    m_window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_window));
    pick(find<QComboBox>("dayList"), "9");
    pick(find<QComboBox>("monthList"), "Мая");
    find<QLineEdit>("captionField")->setText(QStringLiteral("Победа"));
    QTest::keyClick(find<QLineEdit>("captionField"), Qt::Key_Return);
    QCOMPARE(entries().last(), QStringLiteral("9 мая  Победа"));
    m_window.hide();
}

void HolidayPageTest::editWindow()
{
    setEntries({"7 января 2005г. Рождество", "23 февраля  Праздник"});
    m_window.showPage(SettingsPage::Holidays);
    QVERIFY(QTest::qWaitForWindowActive(&m_window));

    // Nothing selected: the field keeps what it had, "Применить" only hides.
    find<QAction>("actionEdit")->trigger();
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    editorField()->setText(QStringLiteral("было"));
    QTest::mouseClick(editor()->findChild<QPushButton *>("applyButton"), Qt::LeftButton);
    QVERIFY(!editor()->isVisible());
    QCOMPARE(entries().first(), QStringLiteral("7 января 2005г. Рождество"));
    find<QAction>("actionEdit")->trigger();
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    QCOMPARE(editorField()->text(), QStringLiteral("было"));
    // Both windows open in the middle of the desktop.
    const QPoint middle = editor()->screen()->availableGeometry().center();
    for (QWidget *window : {static_cast<QWidget *>(&m_window), static_cast<QWidget *>(editor())})
        QVERIFY((window->frameGeometry().center() - middle).manhattanLength() <= 4);

    // Coming back to the edit window refills it from the selected entry.
    list()->setCurrentRow(1);
    editorField()->setText(QStringLiteral("набрано"));
    m_window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_window));
    editor()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    QCOMPARE(editorField()->text(), QStringLiteral("23 февраля  Праздник"));

    // A text the profile cannot keep is refused; the window stays.
    editorField()->setText(QString::fromUtf8("23 февраля \xF0\x9F\x8E\x89"));
    editor()->findChild<QPushButton *>("applyButton")->click();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY(editor()->isVisible());

    // Any other text goes in unchanged, an empty one too.
    editorField()->clear();
    editor()->findChild<QPushButton *>("applyButton")->click();
    QVERIFY(!editor()->isVisible());
    QCOMPARE(entries(), (QStringList{"7 января 2005г. Рождество", ""}));
    list()->setCurrentRow(0);

    // "Отмена" empties the field and leaves the list alone.
    find<QAction>("actionEdit")->trigger();
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    editorField()->setText(QStringLiteral("что-то"));
    QTest::mouseClick(editor()->findChild<QPushButton *>("cancelButton"), Qt::LeftButton);
    QVERIFY(!editor()->isVisible());
    QCOMPARE(editorField()->text(), QString());
    QCOMPARE(entries().first(), QStringLiteral("7 января 2005г. Рождество"));

    // An entry's reminder follows its edited text.
    ReminderSettings reminders;
    reminders.entries.insert(QStringLiteral("7 января 2005г. Рождество"), ReminderRule{2});
    m_model.setReminders(reminders);
    find<QAction>("actionEdit")->trigger();
    QVERIFY(QTest::qWaitForWindowActive(editor()));
    editorField()->setText(QStringLiteral("7 января 2005г. Рождество Христово"));
    editor()->findChild<QPushButton *>("applyButton")->click();
    QCOMPARE(m_model.reminders().entries.keys(),
             QStringList{QStringLiteral("7 января 2005г. Рождество Христово")});
    QCOMPARE(m_model.reminders().entries.first()->daysBefore, 2);
    m_window.hide();
}

void HolidayPageTest::iCalendarExport()
{
    ProgramFolder folder;
    setEntries({"просто текст"});
    find<QPushButton>("exportButton")->click();
    QCOMPARE(m_dialogs.messages.size(), 1); // nothing dated: said, and no file asked for
    QVERIFY(m_dialogs.titles.isEmpty());

    const QStringList dated{"7 января 2005г. Рождество", "8 марта  Женский день"};
    setEntries(QStringList{"просто текст"} + dated);
    m_dialogs.fileAnswers = {folder.path("праздники.ics")};
    find<QPushButton>("exportButton")->click();
    QCOMPARE(m_dialogs.suffixes, QStringList{"ics"});
    // One summary: how many went out, and what did not.
    QCOMPARE(m_dialogs.messages.size(), 2);
    QVERIFY(m_dialogs.messages.last().contains("записано событий: 2"));
    QVERIFY(m_dialogs.messages.last().contains("«просто текст» — запись без даты"));

    // Cancelled: nothing written.
    m_dialogs.fileAnswers = {""};
    find<QPushButton>("exportButton")->click();
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1);
    QCOMPARE(m_dialogs.messages.size(), 2);
}

void HolidayPageTest::iCalendarImport_data()
{
    QTest::addColumn<int>("listed"); // entries already in the list
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("message"); // a piece of the one summary
    const QByteArray spring = allDayEvent("20260501", QStringLiteral("Весна"), false);
    const QByteArray women = allDayEvent("20000308", QStringLiteral("Женский день"), true);
    const QByteArray party =
        allDayEvent("20260601", QString::fromUtf8("Праздник \xF0\x9F\x8E\x89"), false);
    QTest::newRow("two events") << 0 << calendar(spring + women)
                                << QStringList{"1 мая 2026г. Весна", "8 марта  Женский день"}
                                << "добавлено праздников: 2.";
    QTest::newRow("one already listed, one not storable, one too short")
        << 0 << calendar(women + women + party + spring + allDayEvent("20260602", "Дни", false))
        << QStringList{"8 марта  Женский день", "1 мая 2026г. Весна"}
        << "08.03  «Женский день» — уже есть в списке\n"
           "01.06.2026  «Праздник \U0001F389» — знаки, которые профиль не может сохранить\n"
           "02.06.2026  «Дни» — подпись короче 4 знаков";
    QTest::newRow("the list full at 999")
        << 998 << calendar(spring + women) << QStringList{"1 мая 2026г. Весна"}
        << "08.03  «Женский день» — список заполнен (999 записей)";
    QTest::newRow("three events past the full list")
        << 998
        << calendar(spring + women + allDayEvent("20260502", "Труд", false) +
                    allDayEvent("20260509", "Победа", false))
        << QStringList{"1 мая 2026г. Весна"}
        << "добавлено праздников: 1.\nНе прочитаны 3 события: в профиле не больше 999 записей.\n"
           "Не добавлены или добавлены с изменениями (1):";
    QTest::newRow("no calendar") << 0 << QByteArray("просто текст") << QStringList{} << "iCalendar";
}

void HolidayPageTest::iCalendarImport()
{
    QFETCH(int, listed);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, added);
    QFETCH(QString, message);
    ProgramFolder folder;
    QFile ics(folder.path("in.ics"));
    QVERIFY(ics.open(QIODevice::WriteOnly));
    ics.write(file);
    ics.close();
    const QStringList before(listed, QStringLiteral("2 января  Запись"));
    setEntries(before);
    m_dialogs.fileAnswers = {folder.path("in.ics")};
    find<QPushButton>("importButton")->click();
    // Read on a worker thread: the list changes when it has finished.
    QTRY_COMPARE(m_dialogs.all().size(), 1);
    QCOMPARE(entries(), before + added);
    QVERIFY2(m_dialogs.all().first().contains(message), qPrintable(m_dialogs.all().first()));
}

void HolidayPageTest::longReportIsCut()
{
    // A reader gets the text in one piece: a long list shows its first lines.
    QStringList lines;
    for (int i = 1; i <= kReportLines + 20; ++i)
        lines << QString::number(i);
    const ReportDialog report(QStringLiteral("Итог"), lines.join(QLatin1Char('\n')));
    const QStringList shown = report.findChild<QPlainTextEdit *>(QStringLiteral("reportDetails"))
                                  ->toPlainText()
                                  .split(QLatin1Char('\n'));
    QCOMPARE(shown.size(), kReportLines + 1);
    QCOMPARE(shown.at(kReportLines - 1), QString::number(kReportLines));
    QCOMPARE(shown.last(), QStringLiteral("…и ещё 20"));
}

QTEST_MAIN(HolidayPageTest)
#include "tst_holidaypage.moc"
