// The page "Профили" and "Сохранить изменения" on real files in a fresh
// program folder.
#include "CalendarFiles.h"
#include "Handler.h"
#include "TestSupport.h"
#include "TextFile.h"
#include "Unit1.h"
#include "Unit14.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>
#include <memory>

namespace {

const QStringList kWorkEntries = {"7 января 2005г. Рождество", "8 марта  Праздник"};

QStringList profileText(const QStringList &days, const QStringList &entries)
{
    return days + QStringList{QString::number(entries.size())} + entries;
}

QStringList daysOf(int first)
{
    QStringList days;
    for (int k = 0; k < 12; ++k)
        days << QString::number(first + k);
    return days;
}

// What the twelve grids and the list hold now, as a profile writes it.
QStringList shownState()
{
    QStringList days;
    for (int day : Form1->dayElements())
        days << QString::number(day);
    return profileText(days, Form14->holidayEntries());
}

QStringList listedProfiles()
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

QString status() { return Form14->StatusBar1->currentMessage(); }

// Runs a handler the way the program does: a failure becomes a message.
void act(void (TForm14::*handler)())
{
    runHandler([handler] { (Form14->*handler)(); });
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
    void renameActive();
    void renameOther();
    void deleteProfiles();
    void commandsWithoutSelection();
    void switchProfiles();
    void switchRefusesDamagedProfile_data();
    void switchRefusesDamagedProfile();
    void saveChanges();
    void activationRefreshes();

private:
    void start(const QString &activeName = QStringLiteral("Работа.cpr"));
    QString path(const QString &name) const { return m_folder->path(name); }
    QStringList file(const QString &name) const { return m_folder->read(name); }

    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<ProgramFolder> m_folder;
};

void ProfilesTest::init()
{
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_folder = std::make_unique<ProgramFolder>();
    m_folder->write("regional.cal", {"TRUE", "FALSE", "FALSE", "TRUE"});
    m_folder->write("Работа.cpr", profileText(daysOf(1), kWorkEntries));
    m_folder->write("Дом.cpr", profileText(daysOf(5), {}));
}

void ProfilesTest::start(const QString &activeName)
{
    SettingsContent settings;
    settings.profilePath = path(activeName);
    m_folder->write("cnfg.cal", settingsFileLines(settings));
    startProgram(*m_folder);
    QVERIFY2(m_dialogs->all().isEmpty(), qPrintable(m_dialogs->all().join('|')));
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
    QCOMPARE(listedProfiles(), (QStringList{"Дом.cpr", "Работа.cpr"}));
    Form1->Calendar3->SetDateElement(3, 17);
    Form14->Edit1->setText(QStringLiteral("Отпуск"));
    QTest::mouseClick(Form14->Button2, Qt::LeftButton);
    QCOMPARE(file("Отпуск.cpr"), shownState());
    QCOMPARE(file("Отпуск.cpr").at(2), QStringLiteral("17"));
    QCOMPARE(Form14->Edit3->text(), path("Отпуск.cpr"));
    QCOMPARE(listedProfiles(), (QStringList{"Дом.cpr", "Отпуск.cpr", "Работа.cpr"}));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Календарь < Отпуск.cpr >"));
    QCOMPARE(status(), QStringLiteral("Сейчас используется профиль: Отпуск.cpr"));
    QCOMPARE(Form14->Edit1->text(), QStringLiteral("Отпуск"));
    // The profile active before keeps what it had on disk.
    QCOMPARE(file("Работа.cpr"), profileText(daysOf(1), kWorkEntries));

    // The same name again replaces the file; an empty name makes ".cpr".
    Form14->ListBox1->addItem(QStringLiteral("1 мая  Весна"));
    act(&TForm14::Button2Click);
    QCOMPARE(file("Отпуск.cpr"), shownState());
    Form14->Edit1->clear();
    act(&TForm14::Button2Click);
    QCOMPARE(file(".cpr"), shownState());
    QCOMPARE(listedProfiles().first(), QStringLiteral(".cpr"));
    QVERIFY(m_dialogs->all().isEmpty());

    // At close the active profile is written again, and named in cnfg.cal
    // in Windows-1251.
    Form1->FormClose();
    QVERIFY(m_folder->bytes("cnfg.cal").endsWith(encode1251(path(".cpr")) + "\r\n"));
}

void ProfilesTest::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("said"); // part of the message
    QTest::addColumn<bool>("isError");
    QTest::newRow("a path") << "../Работа" << "\"/\"" << false;
    QTest::newRow("not storable") << QString::fromUtf8("\xE6\x98\xA5") << "нельзя сохранить"
                                  << false;
    QTest::newRow("a folder") << "Папка" << "Папка.cpr" << true;
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

    // "Сохранить изменения" after a refusal writes the active profile as usual.
    Form1->N31Click();
    QCOMPARE(file("Работа.cpr"), shownState());
    QCOMPARE(ProfileResaveFlag, 0);
}

void ProfilesTest::renameActive()
{
    start();
    Form1->Calendar5->SetDateElement(3, 20);
    Form14->Edit1->setText(QStringLiteral("набрано"));
    selectProfile(QStringLiteral("Работа.cpr"));
    QCOMPARE(Form14->Edit2->text(), QStringLiteral("Работа.cpr"));
    QCOMPARE(Form14->Edit4->text(), path("Работа.cpr"));
    Form14->Edit2->setText(QStringLiteral("Отпуск.cpr"));
    QTest::mouseClick(Form14->Button3, Qt::LeftButton);
    QVERIFY(!QFile::exists(path("Работа.cpr")));
    QCOMPARE(file("Отпуск.cpr"), shownState());
    QCOMPARE(Form14->Edit3->text(), path("Отпуск.cpr"));
    QCOMPARE(status(), QStringLiteral("Сейчас используется профиль: Отпуск.cpr"));
    QCOMPARE(listedProfiles(), (QStringList{"Дом.cpr", "Отпуск.cpr"}));
    QCOMPARE(Form14->Edit1->text(), QStringLiteral("набрано"));

    // Renaming to the same name keeps the file; a name without ".cpr" is
    // not listed but is the active profile.
    selectProfile(QStringLiteral("Отпуск.cpr"));
    act(&TForm14::Button3Click);
    QCOMPARE(file("Отпуск.cpr"), shownState());
    Form14->Edit2->setText(QStringLiteral("Отпуск"));
    act(&TForm14::Button3Click);
    QCOMPARE(file("Отпуск"), shownState());
    QVERIFY(!QFile::exists(path("Отпуск.cpr")));
    QCOMPARE(Form14->Edit3->text(), path("Отпуск"));
    QCOMPARE(listedProfiles(), QStringList{"Дом.cpr"});
    QVERIFY(m_dialogs->all().isEmpty());
}

void ProfilesTest::renameOther()
{
    start();
    const QByteArray home = m_folder->bytes("Дом.cpr");
    selectProfile(QStringLiteral("Дом.cpr"));
    Form14->Edit2->setText(QStringLiteral("Дача.cpr"));
    act(&TForm14::Button3Click);
    QVERIFY(!QFile::exists(path("Дом.cpr")));
    QCOMPARE(m_folder->bytes("Дача.cpr"), home);
    QCOMPARE(Form14->Edit3->text(), path("Работа.cpr"));
    QCOMPARE(file("Работа.cpr"), profileText(daysOf(1), kWorkEntries));
    QCOMPARE(listedProfiles(), (QStringList{"Дача.cpr", "Работа.cpr"}));

    // Onto an existing profile: refused, both files as they were.
    selectProfile(QStringLiteral("Дача.cpr"));
    Form14->Edit2->setText(QStringLiteral("Работа.cpr"));
    act(&TForm14::Button3Click);
    QCOMPARE(m_dialogs->errors.size(), 1);
    QCOMPARE(m_folder->bytes("Дача.cpr"), home);
    QCOMPARE(file("Работа.cpr"), profileText(daysOf(1), kWorkEntries));
}

void ProfilesTest::deleteProfiles()
{
    start();
    selectProfile(QStringLiteral("Работа.cpr"));
    QTest::mouseClick(Form14->Button4, Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QStringList{"Нельзя удалять активные профили"});
    QVERIFY(QFile::exists(path("Работа.cpr")));

    selectProfile(QStringLiteral("Дом.cpr"));
    act(&TForm14::Button4Click);
    QVERIFY(!QFile::exists(path("Дом.cpr")));
    QCOMPARE(listedProfiles(), QStringList{"Работа.cpr"});
    QCOMPARE(m_dialogs->all().size(), 1);
}

void ProfilesTest::commandsWithoutSelection()
{
    start();
    // A file picked and then unpicked counts as no selection as well.
    selectProfile(QStringLiteral("Работа.cpr"));
    Form14->FileListBox1->clearSelection();
    QCOMPARE(Form14->Edit4->text(), QString());
    Form14->Edit2->setText(QStringLiteral("Новое.cpr"));
    act(&TForm14::Button3Click);
    act(&TForm14::Button4Click);
    act(&TForm14::FileListBox1DblClick);
    QVERIFY(m_dialogs->all().isEmpty());
    QCOMPARE(Form14->Edit3->text(), path("Работа.cpr"));
    QCOMPARE(listedProfiles(), (QStringList{"Дом.cpr", "Работа.cpr"}));
    QCOMPARE(file("Работа.cpr"), profileText(daysOf(1), kWorkEntries));
}

void ProfilesTest::switchProfiles()
{
    m_folder->write("Лето.cpr", {"31", "29", "31", "31", "31", "31", "31", "31", "31", "31", "31",
                                 "31"});
    start();
    Form1->Calendar3->SetDateElement(3, 17);
    Form14->ListBox1->addItem(QStringLiteral("1 мая  Весна"));
    const QStringList before = shownState();

    selectProfile(QStringLiteral("Дом.cpr"));
    act(&TForm14::FileListBox1DblClick);
    QCOMPARE(file("Работа.cpr"), before);
    QCOMPARE(shownState(), profileText(daysOf(5), {}));
    QCOMPARE(Form14->Edit3->text(), path("Дом.cpr"));
    QCOMPARE(status(), QStringLiteral("Сейчас используется профиль: Дом.cpr"));
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Календарь < Дом.cpr >"));

    // The active profile switched to itself stays as it is shown.
    Form1->Calendar1->SetDateElement(3, 2);
    const QStringList home = shownState();
    act(&TForm14::FileListBox1DblClick);
    QCOMPARE(shownState(), home);
    QCOMPARE(file("Дом.cpr"), home);

    // Twelve lines only: no holidays. Days the months lack take their last day.
    selectProfile(QStringLiteral("Лето.cpr"));
    act(&TForm14::FileListBox1DblClick);
    const int year = Form1->Calendar1->GetDateElement(1);
    for (int k = 0; k < 12; ++k)
        QCOMPARE(Form1->dayElements()[k], QDate(year, k + 1, 1).daysInMonth());
    QCOMPARE(Form14->ListBox1->count(), 0);

    // Back to the first profile: its days and holidays return.
    selectProfile(QStringLiteral("Работа.cpr"));
    act(&TForm14::FileListBox1DblClick);
    QCOMPARE(shownState(), before);
    QVERIFY(m_dialogs->all().isEmpty());
}

void ProfilesTest::switchRefusesDamagedProfile_data()
{
    QTest::addColumn<QStringList>("lines");
    QStringList days = daysOf(1);
    QStringList badDay = days;
    badDay[4] = QStringLiteral("пять");
    QStringList zeroDay = days;
    zeroDay[0] = QStringLiteral("0");
    QStringList many = days;
    many << QStringLiteral("1000");
    for (int i = 0; i < 1000; ++i)
        many << QStringLiteral("запись");
    QTest::newRow("day not a number") << (badDay << "0");
    QTest::newRow("day 0") << (zeroDay << "0");
    QTest::newRow("count not a number") << (days + QStringList{"два", "а", "б"});
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
    act(&TForm14::FileListBox1DblClick);
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
    m_folder->write("Другое/Внешний.cpr", profileText(daysOf(3), {"9 мая  Победа"}));
    start(QStringLiteral("Другое/Внешний.cpr"));
    Form1->Calendar12->SetDateElement(3, 31);
    Form14->ListBox1->addItem(QStringLiteral("31 декабря  Новый год"));
    Form14->Edit1->setText(QStringLiteral("набрано"));
    Form1->N31Click();
    QCOMPARE(file("Внешний.cpr"), shownState());
    QCOMPARE(file("Внешний.cpr").mid(11, 2), (QStringList{"31", "2"}));
    QCOMPARE(file("Другое/Внешний.cpr"), profileText(daysOf(3), {"9 мая  Победа"}));
    QCOMPARE(Form14->Edit3->text(), path("Внешний.cpr"));
    QCOMPARE(Form14->Edit1->text(), QString());
    QCOMPARE(ProfileResaveFlag, 0);
    QVERIFY(listedProfiles().contains(QStringLiteral("Внешний.cpr")));

    // Later changes reach the file at the next save.
    Form14->ListBox1->clear();
    Form1->N31Click();
    QCOMPARE(file("Внешний.cpr").mid(12), QStringList{"0"});
    QVERIFY(m_dialogs->all().isEmpty());
}

void ProfilesTest::activationRefreshes()
{
    start();
    m_folder->write("Новый.CPR", profileText(daysOf(1), {}));
    QVERIFY(QFile::remove(path("Дом.cpr")));
    Form14->showPage(Form14->TabSheet7);
    QVERIFY(QTest::qWaitForWindowActive(Form14));
    QCOMPARE(listedProfiles(), (QStringList{"Новый.CPR", "Работа.cpr"}));
    QCOMPARE(status(), QStringLiteral("Сейчас используется профиль: Работа.cpr"));
    // A double click on a file switches to it.
    const auto item = Form14->FileListBox1->findItems(QStringLiteral("Новый.CPR"), Qt::MatchExactly);
    const QRect cell = Form14->FileListBox1->visualItemRect(item.first());
    QTest::mouseClick(Form14->FileListBox1->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(Form14->FileListBox1->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(Form14->Edit3->text(), path("Новый.CPR"));
    Form14->hide();
}

QTEST_MAIN(ProfilesTest)
#include "tst_profiles.moc"
