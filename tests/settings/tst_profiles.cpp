// The page "Профили" and "Сохранить изменения" on real files in a fresh
// program folder.
#include "CalendarFiles.h"
#include "Handler.h"
#include "TestSupport.h"
#include "TextFile.h"
#include "MainWindow.h"
#include "SettingsWindow.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>
#include <memory>

namespace {

const QStringList kWorkEntries = {"7 января 2005г. Рождество", "8 марта  Праздник"};

QStringList profileText(int firstDay, const QStringList &entries)
{
    QStringList lines;
    for (int k = 0; k < 12; ++k)
        lines << QString::number(firstDay + k);
    return lines << QString::number(entries.size()) << entries;
}

// The twelve grids and the list as a profile writes them.
QStringList shownState()
{
    QStringList lines;
    for (int day : Form1->dayElements())
        lines << QString::number(day);
    const QStringList entries = Form14->holidayEntries();
    return lines << QString::number(entries.size()) << entries;
}

QStringList listed()
{
    QStringList names;
    for (int i = 0; i < Form14->FileListBox1->count(); ++i)
        names << Form14->FileListBox1->item(i)->text();
    return names;
}

void selectProfile(const QString &name)
{
    const auto items = Form14->FileListBox1->findItems(name, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(name));
    Form14->FileListBox1->setCurrentItem(items.first());
}

// Runs a handler the way the program does: a failure becomes a message.
void act(void (SettingsWindow::*handler)())
{
    runHandler([handler] { (Form14->*handler)(); });
}

QString status()
{
    return Form14->StatusBar1->currentMessage();
}

} // namespace

class ProfilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void createProfiles();
    void refusedNames_data();
    void refusedNames();
    void rename();
    void deleteProfiles();
    void switchProfiles();
    void switchRefusesDamagedProfile_data();
    void switchRefusesDamagedProfile();
    void saveChanges();

private:
    void start(const QString &activeName = QStringLiteral("Работа.cpr"));
    QString path(const QString &name) const { return m_folder->path(name); }
    QStringList file(const QString &name) const { return m_folder->read(name); }
    // The active profile as Edit3, the status line and the main caption name it.
    void checkActive(const QString &name) const;

    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<ProgramFolder> m_folder;
};

void ProfilesTest::init()
{
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_folder = std::make_unique<ProgramFolder>();
    m_folder->write("regional.cal", {"TRUE", "FALSE", "FALSE", "TRUE"});
    m_folder->write("Работа.cpr", profileText(1, kWorkEntries));
    m_folder->write("Дом.cpr", profileText(5, {}));
}

void ProfilesTest::start(const QString &activeName)
{
    SettingsContent settings;
    settings.showSplash = settings.showTips = false; // nothing else on screen
    settings.profilePath = path(activeName);
    m_folder->write("cnfg.cal", settingsFileLines(settings));
    startProgram(*m_folder);
    QVERIFY2(m_dialogs->all().isEmpty(), qPrintable(m_dialogs->all().join('|')));
}

void ProfilesTest::checkActive(const QString &name) const
{
    QCOMPARE(Form14->Edit3->text(), path(name));
    QCOMPARE(status(), QStringLiteral("Сейчас используется профиль: ") + name);
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Календарь < %1 >").arg(name));
}

void ProfilesTest::cleanup()
{
    stopProgram();
    m_folder.reset();
    m_dialogs.reset();
}

void ProfilesTest::createProfiles()
{
    start();
    Form1->Calendar3->setDateElement(MonthGrid::Element::Day, 17);
    Form14->Edit1->setText(QStringLiteral("Отпуск"));
    QTest::mouseClick(Form14->Button2, Qt::LeftButton);
    QCOMPARE(file("Отпуск.cpr"), shownState());
    QCOMPARE(file("Отпуск.cpr").at(2), QStringLiteral("17"));
    checkActive(QStringLiteral("Отпуск.cpr"));
    QCOMPARE(listed(), (QStringList{"Дом.cpr", "Отпуск.cpr", "Работа.cpr"}));
    QCOMPARE(file("Работа.cpr"), profileText(1, kWorkEntries));

    // The same name again replaces the file; an empty name makes ".cpr".
    Form14->ListBox1->addItem(QStringLiteral("1 мая  Весна"));
    act(&SettingsWindow::Button2Click);
    QCOMPARE(file("Отпуск.cpr"), shownState());
    Form14->Edit1->clear();
    act(&SettingsWindow::Button2Click);
    QCOMPARE(file(".cpr"), shownState());
    QCOMPARE(listed().first(), QStringLiteral(".cpr"));
    QVERIFY(m_dialogs->all().isEmpty());

    // The close-time save names it in cnfg.cal, in Windows-1251.
    Form1->FormClose();
    QVERIFY(m_folder->bytes("cnfg.cal").endsWith(encode1251(path(".cpr")) + "\r\n"));
}

void ProfilesTest::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("said"); // part of the message
    QTest::addColumn<bool>("isError");
    QTest::newRow("a path") << "../Работа"
                            << "\"/\"" << false;
    QTest::newRow("not storable") << QString::fromUtf8("\xE6\x98\xA5") << "нельзя сохранить"
                                  << false;
    QTest::newRow("a folder") << "Папка"
                              << "Папка.cpr" << true;
}

void ProfilesTest::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, said);
    QFETCH(bool, isError);
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Папка.cpr")));
    start();
    const QStringList before = QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::Hidden);
    Form14->Edit1->setText(name);
    QTest::mouseClick(Form14->Button2, Qt::LeftButton);
    const QStringList &shown = isError ? m_dialogs->errors : m_dialogs->messages;
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(said), qPrintable(shown.first()));
    QCOMPARE(Form14->Edit3->text(), path("Работа.cpr"));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Календарь < Работа.cpr >"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

void ProfilesTest::rename()
{
    start();
    // An empty name names the folder, not a file: refused, nothing moves.
    for (const char *name : {"Работа.cpr", "Дом.cpr"}) {
        selectProfile(QString::fromUtf8(name));
        Form14->Edit2->clear();
        act(&SettingsWindow::Button3Click);
    }
    QCOMPARE(m_dialogs->messages, QStringList(2, QStringLiteral("Введите имя профиля.")));
    QCOMPARE(listed(), (QStringList{"Дом.cpr", "Работа.cpr"}));
    QCOMPARE(Form14->Edit3->text(), path("Работа.cpr"));
    m_dialogs->clear();

    // Another profile: only its file is renamed, its contents stay.
    const QByteArray home = m_folder->bytes("Дом.cpr");
    selectProfile(QStringLiteral("Дом.cpr"));
    Form14->Edit2->setText(QStringLiteral("Дача.cpr"));
    act(&SettingsWindow::Button3Click);
    QCOMPARE(m_folder->bytes("Дача.cpr"), home);
    QCOMPARE(Form14->Edit3->text(), path("Работа.cpr"));
    QCOMPARE(listed(), (QStringList{"Дача.cpr", "Работа.cpr"}));
    // Not onto an existing profile.
    selectProfile(QStringLiteral("Дача.cpr"));
    Form14->Edit2->setText(QStringLiteral("Работа.cpr"));
    act(&SettingsWindow::Button3Click);
    QCOMPARE(m_dialogs->errors.size(), 1);
    QCOMPARE(m_folder->bytes("Дача.cpr"), home);
    QCOMPARE(file("Работа.cpr"), profileText(1, kWorkEntries));
    selectProfile(QStringLiteral("Работа.cpr"));
    Form14->Edit2->setText(QStringLiteral("Дача.cpr"));
    act(&SettingsWindow::Button3Click);
    QCOMPARE(m_dialogs->errors.size(), 2);
    QCOMPARE(m_folder->bytes("Дача.cpr"), home);
    QCOMPARE(Form14->Edit3->text(), path("Работа.cpr"));
    Form14->FileListBox1->clearSelection();

    // The active profile: written under the new name, the old file gone.
    Form1->Calendar5->setDateElement(MonthGrid::Element::Day, 20);
    Form14->Edit1->setText(QStringLiteral("набрано"));
    selectProfile(QStringLiteral("Работа.cpr"));
    QCOMPARE(Form14->Edit2->text(), QStringLiteral("Работа.cpr"));
    Form14->Edit2->setText(QStringLiteral("Отпуск.cpr"));
    QTest::mouseClick(Form14->Button3, Qt::LeftButton);
    QVERIFY(!QFile::exists(path("Работа.cpr")));
    QCOMPARE(file("Отпуск.cpr"), shownState());
    checkActive(QStringLiteral("Отпуск.cpr"));
    QCOMPARE(Form14->Edit1->text(), QStringLiteral("набрано"));
    // Without ".cpr" it leaves the list but stays the active profile.
    selectProfile(QStringLiteral("Отпуск.cpr"));
    Form14->Edit2->setText(QStringLiteral("Отпуск"));
    act(&SettingsWindow::Button3Click);
    QCOMPARE(file("Отпуск"), shownState());
    QCOMPARE(Form14->Edit3->text(), path("Отпуск"));
    QCOMPARE(listed(), QStringList{"Дача.cpr"});
    QCOMPARE(m_dialogs->all().size(), 2);
}

void ProfilesTest::deleteProfiles()
{
    start();
    selectProfile(QStringLiteral("Работа.cpr"));
    QTest::mouseClick(Form14->Button4, Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QStringList{"Нельзя удалять активные профили"});
    QVERIFY(QFile::exists(path("Работа.cpr")));

    // Picked and then unpicked is no selection: the three commands do nothing.
    selectProfile(QStringLiteral("Дом.cpr"));
    Form14->FileListBox1->clearSelection();
    Form14->Edit2->setText(QStringLiteral("Новое.cpr"));
    act(&SettingsWindow::Button3Click);
    act(&SettingsWindow::Button4Click);
    act(&SettingsWindow::FileListBox1DblClick);
    QCOMPARE(Form14->Edit3->text(), path("Работа.cpr"));
    QCOMPARE(listed(), (QStringList{"Дом.cpr", "Работа.cpr"}));

    selectProfile(QStringLiteral("Дом.cpr"));
    act(&SettingsWindow::Button4Click);
    QVERIFY(!QFile::exists(path("Дом.cpr")));
    QCOMPARE(listed(), QStringList{"Работа.cpr"});
    QCOMPARE(m_dialogs->all().size(), 1);
}

void ProfilesTest::switchProfiles()
{
    m_folder->write("Лето.cpr", QStringList(12, QStringLiteral("31")));
    start();
    Form1->Calendar3->setDateElement(MonthGrid::Element::Day, 17);
    Form14->ListBox1->addItem(QStringLiteral("1 мая  Весна"));
    const QStringList work = shownState();

    // Activation re-reads the folder; a double click switches.
    m_folder->write("Новый.CPR", profileText(1, {}));
    Form14->showPage(Form14->TabSheet7);
    QVERIFY(QTest::qWaitForWindowActive(Form14));
    QCOMPARE(listed(), (QStringList{"Дом.cpr", "Лето.cpr", "Новый.CPR", "Работа.cpr"}));
    QCOMPARE(status(), QStringLiteral("Сейчас используется профиль: Работа.cpr"));
    const auto item = Form14->FileListBox1->findItems(QStringLiteral("Дом.cpr"), Qt::MatchExactly);
    const QPoint at = Form14->FileListBox1->visualItemRect(item.first()).center();
    QTest::mouseClick(Form14->FileListBox1->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(Form14->FileListBox1->viewport(), Qt::LeftButton, {}, at);
    Form14->hide();
    QCOMPARE(file("Работа.cpr"), work);
    QCOMPARE(shownState(), profileText(5, {}));
    checkActive(QStringLiteral("Дом.cpr"));

    // Switched to itself, the active profile stays as it is shown.
    Form1->Calendar1->setDateElement(MonthGrid::Element::Day, 2);
    const QStringList home = shownState();
    act(&SettingsWindow::FileListBox1DblClick);
    QCOMPARE(shownState(), home);
    QCOMPARE(file("Дом.cpr"), home);

    // Twelve lines only: no holidays; days a month lacks become its last.
    selectProfile(QStringLiteral("Лето.cpr"));
    act(&SettingsWindow::FileListBox1DblClick);
    const int year = Form1->Calendar1->dateElement(MonthGrid::Element::Year);
    for (int k = 0; k < 12; ++k)
        QCOMPARE(Form1->dayElements()[k], QDate(year, k + 1, 1).daysInMonth());
    QCOMPARE(Form14->ListBox1->count(), 0);

    selectProfile(QStringLiteral("Работа.cpr"));
    act(&SettingsWindow::FileListBox1DblClick);
    QCOMPARE(shownState(), work);
    QVERIFY(m_dialogs->all().isEmpty());
}

void ProfilesTest::switchRefusesDamagedProfile_data()
{
    QTest::addColumn<QStringList>("lines");
    const QStringList good = profileText(1, {});
    QStringList badDay = good, zeroDay = good, badCount = good, many = good;
    badDay[4] = QStringLiteral("пять");
    zeroDay[0] = QStringLiteral("0");
    badCount[12] = QStringLiteral("два");
    many[12] = QStringLiteral("1000");
    many << QStringList(1000, QStringLiteral("запись"));
    QTest::newRow("day not a number") << badDay;
    QTest::newRow("day 0") << zeroDay;
    QTest::newRow("count not a number") << (badCount << "а");
    QTest::newRow("more than 999 entries") << many;
}

void ProfilesTest::switchRefusesDamagedProfile()
{
    QFETCH(QStringList, lines);
    m_folder->write("Сломан.cpr", lines);
    start();
    Form14->ListBox1->addItem(QStringLiteral("1 мая  Весна"));
    const QStringList state = shownState();
    const QByteArray damaged = m_folder->bytes("Сломан.cpr");
    const QByteArray work = m_folder->bytes("Работа.cpr");
    selectProfile(QStringLiteral("Сломан.cpr"));
    act(&SettingsWindow::FileListBox1DblClick);
    QCOMPARE(m_dialogs->errors.size(), 1);
    QVERIFY2(m_dialogs->errors.first().contains(QStringLiteral("Сломан.cpr")),
             qPrintable(m_dialogs->errors.first()));
    QCOMPARE(shownState(), state);
    QCOMPARE(Form14->Edit3->text(), path("Работа.cpr"));
    QCOMPARE(m_folder->bytes("Сломан.cpr"), damaged);
    QCOMPARE(m_folder->bytes("Работа.cpr"), work);
}

void ProfilesTest::saveChanges()
{
    // A profile outside the program folder moves into it.
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Другое")));
    m_folder->write("Другое/Внешний.cpr", profileText(3, {"9 мая  Победа"}));
    start(QStringLiteral("Другое/Внешний.cpr"));
    Form1->Calendar12->setDateElement(MonthGrid::Element::Day, 31);
    Form14->ListBox1->addItem(QStringLiteral("31 декабря  Новый год"));
    Form14->Edit1->setText(QStringLiteral("набрано"));
    Form1->N31->trigger();
    QCOMPARE(file("Внешний.cpr"), shownState());
    QCOMPARE(file("Внешний.cpr").mid(11, 2), (QStringList{"31", "2"}));
    QCOMPARE(file("Другое/Внешний.cpr"), profileText(3, {"9 мая  Победа"}));
    QCOMPARE(Form14->Edit3->text(), path("Внешний.cpr"));
    QCOMPARE(Form14->Edit1->text(), QString());
    QCOMPARE(ProfileResaveFlag, 0);
    QVERIFY(listed().contains(QStringLiteral("Внешний.cpr")));

    // After a refused name the flag is down and the command works as before.
    Form14->Edit1->setText(QStringLiteral("a/b"));
    Form14->Button2Click();
    Form14->ListBox1->clear();
    Form1->N31->trigger();
    QCOMPARE(file("Внешний.cpr").mid(12), QStringList{"0"});
    QCOMPARE(m_dialogs->messages.size(), 1);
}

QTEST_MAIN(ProfilesTest)
#include "tst_profiles.moc"
