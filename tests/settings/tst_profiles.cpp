// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The page "Профили" and "Сохранить изменения" on real files in a fresh
// program folder.
#include "base/TextFile.h"
#include "core/CalendarModel.h"
#include "core/ProfileStore.h"
#include "settings/SettingsWindow.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStorageInfo>
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

} // namespace

class ProfilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
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
    // The model on the active profile, then the window.
    void start(const QString &activeName = QStringLiteral("Работа.cpr"));
    QString path(const QString &name) const { return m_folder->path(name); }
    QStringList file(const QString &name) const { return m_folder->read(name); }
    // The days and entries as a profile writes them.
    QStringList shownState() const { return profileLines(m_model->profile()); }
    template <typename T> T *find(const char *name) const
    {
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }
    QStringList listed() const;
    void selectProfile(const QString &name) const;
    void doubleClick() const;
    QString status() const { return find<QStatusBar>("profileStatus")->currentMessage(); }
    // The active profile as the model and the status line name it.
    void checkActive(const QString &name) const;

    std::unique_ptr<RecordingDialogs> m_dialogs;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<CalendarModel> m_model;
    FakeServices m_services;
    std::unique_ptr<SettingsWindow> m_window;
};

void ProfilesTest::initTestCase()
{
    // The trash goes to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
}

void ProfilesTest::init()
{
    m_dialogs = std::make_unique<RecordingDialogs>();
    m_folder = std::make_unique<ProgramFolder>();
    m_folder->write("Работа.cpr", profileText(1, kWorkEntries));
    m_folder->write("Дом.cpr", profileText(5, {}));
}

void ProfilesTest::start(const QString &activeName)
{
    m_model = std::make_unique<CalendarModel>();
    m_model->setFolder(m_folder->path());
    m_model->setProfilePath(path(activeName));
    m_model->applyProfile(readProfile(path(activeName)));
    m_services.seam = m_dialogs.get();
    m_window = std::make_unique<SettingsWindow>(*m_model, m_services);
}

void ProfilesTest::cleanup()
{
    m_window.reset();
    m_model.reset();
    m_folder.reset();
    m_dialogs.reset();
}

QStringList ProfilesTest::listed() const
{
    auto *list = find<QListWidget>("profileList");
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

void ProfilesTest::selectProfile(const QString &name) const
{
    auto *list = find<QListWidget>("profileList");
    const auto items = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(name));
    list->setCurrentItem(items.first());
}

void ProfilesTest::doubleClick() const
{
    auto *list = find<QListWidget>("profileList");
    emit list->itemDoubleClicked(list->currentItem());
}

void ProfilesTest::checkActive(const QString &name) const
{
    QCOMPARE(m_model->profilePath(), path(name));
    QCOMPARE(status(), QStringLiteral("Сейчас используется профиль: ") + name);
}

void ProfilesTest::createProfiles()
{
    start();
    m_model->setDay(3, 17);
    find<QLineEdit>("newProfileName")->setText(QStringLiteral("Отпуск"));
    QTest::mouseClick(find<QPushButton>("createButton"), Qt::LeftButton);
    QCOMPARE(file("Отпуск.cpr"), shownState());
    QCOMPARE(file("Отпуск.cpr").at(2), QStringLiteral("17"));
    checkActive(QStringLiteral("Отпуск.cpr"));
    QCOMPARE(listed(), (QStringList{"Дом.cpr", "Отпуск.cpr", "Работа.cpr"}));
    QCOMPARE(file("Работа.cpr"), profileText(1, kWorkEntries));

    // The close-time save names it in cnfg.cal, in Windows-1251.
    m_model->save();
    QVERIFY(m_folder->bytes("cnfg.cal").endsWith(encode1251(path("Отпуск.cpr")) + "\r\n"));
}

void ProfilesTest::refusedNames_data()
{
    QTest::addColumn<bool>("renaming"); // "Дом.cpr" renamed, else a new profile
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("said"); // part of the message
    QTest::addColumn<bool>("isError");
    QTest::newRow("a path") << false << "../Работа"
                            << "\"/\"" << false;
    QTest::newRow("not storable") << false << QString::fromUtf8("\xE6\x98\xA5")
                                  << "нельзя сохранить" << false;
    QTest::newRow("a folder") << false << "Папка"
                              << "Папка.cpr" << true;
    QTest::newRow("an existing profile") << false << "Дом"
                                         << "Дом.cpr\" уже существует" << true;
    QTest::newRow("a control character") << false << "Раб\tота"
                                         << "управляющие" << false;
    QTest::newRow("a control character, renaming")
        << true << QString::fromUtf8("Дача\x01.cpr") << "управляющие" << false;
    QTest::newRow("a path, renaming") << true << "../Дача.cpr"
                                      << "\"/\"" << false;
    // Nothing that would make a hidden or blank file name.
    QTest::newRow("empty") << false << ""
                           << "Введите имя" << false;
    QTest::newRow("a space") << false << " "
                             << "Введите имя" << false;
    QTest::newRow("a dot") << false << "."
                           << "точки" << false;
    QTest::newRow("two dots, renaming") << true << ".."
                                        << "точки" << false;
}

void ProfilesTest::refusedNames()
{
    QFETCH(bool, renaming);
    QFETCH(QString, name);
    QFETCH(QString, said);
    QFETCH(bool, isError);
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Папка.cpr")));
    start();
    const QStringList before = QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::Hidden);
    const QByteArray home = m_folder->bytes("Дом.cpr");
    if (renaming) {
        selectProfile(QStringLiteral("Дом.cpr"));
        find<QLineEdit>("renameField")->setText(name);
        QTest::mouseClick(find<QPushButton>("renameButton"), Qt::LeftButton);
    } else {
        find<QLineEdit>("newProfileName")->setText(name);
        QTest::mouseClick(find<QPushButton>("createButton"), Qt::LeftButton);
    }
    const QStringList &shown = isError ? m_dialogs->errors : m_dialogs->messages;
    QCOMPARE(m_dialogs->all().size(), 1);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(said), qPrintable(shown.first()));
    QCOMPARE(m_model->profilePath(), path("Работа.cpr"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::Hidden), before);
    QCOMPARE(m_folder->bytes("Дом.cpr"), home);
}

void ProfilesTest::rename()
{
    start();
    auto *renameField = find<QLineEdit>("renameField");
    auto *renameButton = find<QPushButton>("renameButton");
    // An empty name names the folder, not a file: refused, nothing moves.
    for (const char *name : {"Работа.cpr", "Дом.cpr"}) {
        selectProfile(QString::fromUtf8(name));
        renameField->clear();
        renameButton->click();
    }
    QCOMPARE(m_dialogs->messages, QStringList(2, QStringLiteral("Введите имя профиля.")));
    QCOMPARE(listed(), (QStringList{"Дом.cpr", "Работа.cpr"}));
    QCOMPARE(m_model->profilePath(), path("Работа.cpr"));
    m_dialogs->clear();

    // Another profile: only its file is renamed, its contents stay.
    const QByteArray home = m_folder->bytes("Дом.cpr");
    selectProfile(QStringLiteral("Дом.cpr"));
    renameField->setText(QStringLiteral("Дача.cpr"));
    renameButton->click();
    QCOMPARE(m_folder->bytes("Дача.cpr"), home);
    QCOMPARE(m_model->profilePath(), path("Работа.cpr"));
    QCOMPARE(listed(), (QStringList{"Дача.cpr", "Работа.cpr"}));
    // Not onto an existing profile.
    selectProfile(QStringLiteral("Дача.cpr"));
    renameField->setText(QStringLiteral("Работа.cpr"));
    renameButton->click();
    QCOMPARE(m_dialogs->errors.size(), 1);
    QCOMPARE(m_folder->bytes("Дача.cpr"), home);
    QCOMPARE(file("Работа.cpr"), profileText(1, kWorkEntries));
    selectProfile(QStringLiteral("Работа.cpr"));
    renameField->setText(QStringLiteral("Дача.cpr"));
    renameButton->click();
    QCOMPARE(m_dialogs->errors.size(), 2);
    QCOMPARE(m_folder->bytes("Дача.cpr"), home);
    QCOMPARE(m_model->profilePath(), path("Работа.cpr"));
    find<QListWidget>("profileList")->clearSelection();

    // The active profile: written under the new name, the old file gone.
    m_model->setDay(5, 20);
    find<QLineEdit>("newProfileName")->setText(QStringLiteral("набрано"));
    selectProfile(QStringLiteral("Работа.cpr"));
    QCOMPARE(renameField->text(), QStringLiteral("Работа.cpr"));
    renameField->setText(QStringLiteral("Отпуск.cpr"));
    QTest::mouseClick(renameButton, Qt::LeftButton);
    QVERIFY(!QFile::exists(path("Работа.cpr")));
    QCOMPARE(file("Отпуск.cpr"), shownState());
    checkActive(QStringLiteral("Отпуск.cpr"));
    QCOMPARE(find<QLineEdit>("newProfileName")->text(), QStringLiteral("набрано"));
    // Without ".cpr" the ending is added: the profile stays in the list.
    selectProfile(QStringLiteral("Отпуск.cpr"));
    renameField->setText(QStringLiteral("Лето"));
    renameButton->click();
    QCOMPARE(file("Лето.cpr"), shownState());
    checkActive(QStringLiteral("Лето.cpr"));
    QCOMPARE(listed(), (QStringList{"Дача.cpr", "Лето.cpr"}));
    QCOMPARE(m_dialogs->all().size(), 2);
}

void ProfilesTest::deleteProfiles()
{
    start();
    selectProfile(QStringLiteral("Работа.cpr"));
    QTest::mouseClick(find<QPushButton>("deleteButton"), Qt::LeftButton);
    QCOMPARE(m_dialogs->messages, QStringList{"Нельзя удалять активные профили"});
    QVERIFY(QFile::exists(path("Работа.cpr")));

    // Picked and then unpicked is no selection: the three commands do nothing.
    selectProfile(QStringLiteral("Дом.cpr"));
    find<QListWidget>("profileList")->clearSelection();
    find<QLineEdit>("renameField")->setText(QStringLiteral("Новое.cpr"));
    find<QPushButton>("renameButton")->click();
    find<QPushButton>("deleteButton")->click();
    doubleClick();
    QCOMPARE(m_model->profilePath(), path("Работа.cpr"));
    QCOMPARE(listed(), (QStringList{"Дом.cpr", "Работа.cpr"}));

    // Into the desktop's trash, where it can be restored. (A folder on
    // another disk than home would have a trash of its own.)
    if (QStorageInfo(m_folder->path()) != QStorageInfo(QDir::homePath()))
        QSKIP("the test folder is not on the home disk");
    const QDir trash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     QStringLiteral("/Trash"));
    // The test mode's trash, not the user's; emptied whole, or names left
    // in its info folder would number the new file.
    QVERIFY(QStandardPaths::isTestModeEnabled());
    QDir(trash.path()).removeRecursively();
    QVERIFY(QDir().mkpath(trash.path()));
    selectProfile(QStringLiteral("Дом.cpr"));
    find<QPushButton>("deleteButton")->click();
    QVERIFY(!QFile::exists(path("Дом.cpr")));
    QCOMPARE(QDir(trash.filePath(QStringLiteral("files"))).entryList(QDir::Files),
             QStringList{"Дом.cpr"});
    QCOMPARE(listed(), QStringList{"Работа.cpr"});
    QCOMPARE(m_dialogs->all().size(), 1);
}

void ProfilesTest::switchProfiles()
{
    m_folder->write("Лето.cpr", QStringList(12, QStringLiteral("31")));
    start();
    m_model->setDay(3, 17);
    m_model->setHolidays(m_model->holidays() + QStringList{QStringLiteral("1 мая  Весна")});
    const QStringList work = shownState();

    // Activation re-reads the folder; a double click switches.
    m_folder->write("Новый.CPR", profileText(1, {}));
    m_window->showPage(SettingsPage::Profiles);
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(listed(), (QStringList{"Дом.cpr", "Лето.cpr", "Новый.CPR", "Работа.cpr"}));
    QCOMPARE(status(), QStringLiteral("Сейчас используется профиль: Работа.cpr"));
    auto *list = find<QListWidget>("profileList");
    const auto item = list->findItems(QStringLiteral("Дом.cpr"), Qt::MatchExactly);
    const QPoint at = list->visualItemRect(item.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    m_window->hide();
    QCOMPARE(file("Работа.cpr"), work);
    QCOMPARE(shownState(), profileText(5, {}));
    checkActive(QStringLiteral("Дом.cpr"));

    // Switched to itself, the active profile stays as it is shown.
    m_model->setDay(1, 2);
    const QStringList home = shownState();
    doubleClick();
    QCOMPARE(shownState(), home);
    QCOMPARE(file("Дом.cpr"), home);

    // Twelve lines only: no holidays; days a month lacks become its last.
    selectProfile(QStringLiteral("Лето.cpr"));
    doubleClick();
    for (int k = 0; k < 12; ++k)
        QCOMPARE(m_model->day(k + 1), QDate(m_model->year(), k + 1, 1).daysInMonth());
    QVERIFY(m_model->holidays().isEmpty());
    QCOMPARE(find<QListWidget>("holidayList")->count(), 0);

    // Enter switches to the keyboard's item, picked by an arrow or not.
    list->clearSelection();
    list->setCurrentItem(list->findItems(QStringLiteral("Работа.cpr"), Qt::MatchExactly).first(),
                         QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(shownState(), work);
    QCOMPARE(find<QListWidget>("holidayList")->count(), work.size() - 13);
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
    m_model->setHolidays({QStringLiteral("1 мая  Весна")});
    const QStringList state = shownState();
    const QByteArray damaged = m_folder->bytes("Сломан.cpr");
    const QByteArray work = m_folder->bytes("Работа.cpr");
    selectProfile(QStringLiteral("Сломан.cpr"));
    doubleClick();
    QCOMPARE(m_dialogs->errors.size(), 1);
    QVERIFY2(m_dialogs->errors.first().contains(QStringLiteral("Сломан.cpr")),
             qPrintable(m_dialogs->errors.first()));
    QCOMPARE(shownState(), state);
    QCOMPARE(m_model->profilePath(), path("Работа.cpr"));
    QCOMPARE(m_folder->bytes("Сломан.cpr"), damaged);
    QCOMPARE(m_folder->bytes("Работа.cpr"), work);
}

void ProfilesTest::saveChanges()
{
    // A profile outside the program folder moves into it.
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Другое")));
    m_folder->write("Другое/Внешний.cpr", profileText(3, {"9 мая  Победа"}));
    start(QStringLiteral("Другое/Внешний.cpr"));
    m_model->setDay(12, 31);
    m_model->setHolidays(m_model->holidays() +
                         QStringList{QStringLiteral("31 декабря  Новый год")});
    QVERIFY(profileReplacedBySave(*m_model).isEmpty()); // nothing of that name here
    QVERIFY(saveProfileInFolder(*m_model).isEmpty());
    QCOMPARE(file("Внешний.cpr"), shownState());
    QVERIFY(profileReplacedBySave(*m_model).isEmpty()); // the active profile itself
    // Another profile of the active one's name is asked about first.
    m_folder->write("Другое/Работа.cpr", profileText(3, {}));
    m_model->setProfilePath(path("Другое/Работа.cpr"));
    QCOMPARE(profileReplacedBySave(*m_model), path("Работа.cpr"));
    m_model->setProfilePath(path("Внешний.cpr"));
    QCOMPARE(file("Внешний.cpr").mid(11, 2), (QStringList{"31", "2"}));
    QCOMPARE(file("Другое/Внешний.cpr"), profileText(3, {"9 мая  Победа"}));
    checkActive(QStringLiteral("Внешний.cpr"));
    QVERIFY(listed().contains(QStringLiteral("Внешний.cpr")));

    // A refused name on the page leaves the command working as before.
    find<QLineEdit>("newProfileName")->setText(QStringLiteral("a/b"));
    find<QPushButton>("createButton")->click();
    m_model->setHolidays({});
    QVERIFY(saveProfileInFolder(*m_model).isEmpty());
    QCOMPARE(file("Внешний.cpr").mid(12), QStringList{"0"});
    QCOMPARE(m_dialogs->messages.size(), 1);
}

QTEST_MAIN(ProfilesTest)
#include "tst_profiles.moc"
