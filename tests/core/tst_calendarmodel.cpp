// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The model without any window: what its changes announce, and the
// close-time save written from it.
#include "base/Errors.h"
#include "base/TextFile.h"
#include "core/CalendarModel.h"
#include "core/ProfileStore.h"
#include "core/ReminderFile.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(RegionalOptions)

class CalendarModelTest : public QObject {
    Q_OBJECT
private slots:
    void yearKeepsDaysFitted_data();
    void yearKeepsDaysFitted();
    void changesAnnounceOnlyRealChanges();
    void regionalPairs_data();
    void regionalPairs();
    void marksFollowOptionsYearAndEntries();
    void saveWritesFilesInOrder();
    void remindersLiveBesideTheProfile();
};

void CalendarModelTest::yearKeepsDaysFitted_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("february"); // day of February afterwards, 0: refused
    QTest::newRow("leap to common") << 2008 << 2009 << 28;
    QTest::newRow("common to leap keeps 28") << 2009 << 2012 << 28;
    QTest::newRow("year 0 refused") << 2008 << 0 << 0;
    QTest::newRow("year 10000 refused") << 2008 << 10000 << 0;
}

void CalendarModelTest::yearKeepsDaysFitted()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, february);
    CalendarModel model;
    model.setYear(from);
    model.setDays({31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31});
    QSignalSpy years(&model, &CalendarModel::yearChanged);
    // Whoever follows the year sees only real dates.
    connect(&model, &CalendarModel::yearChanged, this, [&] {
        for (int month = 1; month <= 12; ++month)
            QVERIFY(model.chosenDate(month).isValid());
    });
    if (!february) {
        QVERIFY_THROWS_EXCEPTION(DateError, model.setYear(to));
        QCOMPARE(model.year(), from);
        QCOMPARE(years.count(), 0);
        return;
    }
    model.setYear(to);
    QCOMPARE(model.year(), to);
    QCOMPARE(model.day(2), february);
    QCOMPARE(model.day(1), 31);
}

void CalendarModelTest::changesAnnounceOnlyRealChanges()
{
    CalendarModel model;
    QSignalSpy days(&model, &CalendarModel::dayChanged);
    QSignalSpy background(&model, &CalendarModel::backgroundChanged);
    QSignalSpy opacity(&model, &CalendarModel::opacityChanged);
    model.setDay(3, 17);
    model.setDay(3, 17);
    QCOMPARE(days.count(), 1);
    QVERIFY_THROWS_EXCEPTION(DateError, model.setDay(4, 31));
    QCOMPARE(model.day(4), 1);
    Background b = model.background();
    model.setBackground(b);
    b.captionColour = colours::maroon;
    model.setBackground(b);
    model.setBackground(b);
    QCOMPARE(background.count(), 1);
    model.setOpacity(OpacityWindow::MiniView, {true, 300}); // clamped to 255
    model.setOpacity(OpacityWindow::MiniView, {true, 255});
    QCOMPARE(opacity.count(), 1);
    QCOMPARE(model.opacity(OpacityWindow::MiniView).level, 255);
}

void CalendarModelTest::regionalPairs_data()
{
    QTest::addColumn<RegionalOptions>("file");
    QTest::addColumn<Qt::DayOfWeek>("weekStart");
    QTest::addColumn<bool>("printsBackground");
    QTest::newRow("sunday, with background")
        << RegionalOptions{Qt::Sunday, true} << Qt::Sunday << true;
    QTest::newRow("neither: nothing chosen, week start stays")
        << RegionalOptions{} << Qt::Monday << false;
}

void CalendarModelTest::regionalPairs()
{
    QFETCH(RegionalOptions, file);
    CalendarModel model;
    model.setRegional(file);
    QCOMPARE(model.regional(), file); // an unmade choice stays unmade for the save
    QTEST(model.startOfWeek(), "weekStart");
    QTEST(model.printsBackground(), "printsBackground");
}

void CalendarModelTest::marksFollowOptionsYearAndEntries()
{
    CalendarModel model;
    model.setYear(2026);
    model.setToday(QDate(2026, 3, 8));
    QSignalSpy marks(&model, &CalendarModel::marksChanged);
    QSignalSpy today(&model, &CalendarModel::todayChanged);
    QCOMPARE(model.markedToday(), QDate(2026, 3, 8));

    model.setHolidays({"8 марта  Женский день", "7 января 2027г. Рождество", "просто текст"});
    QCOMPARE(model.markedHolidays().keys(), QList<QDate>{QDate(2026, 3, 8)});
    QCOMPARE(marks.count(), 1);
    model.setYear(2027); // the dated entry now counts too
    QCOMPARE(model.markedHolidays().keys(), (QList<QDate>{QDate(2027, 1, 7), QDate(2027, 3, 8)}));
    QCOMPARE(model.markedHolidays().value(QDate(2027, 1, 7)), QStringLiteral("Рождество"));
    QCOMPARE(marks.count(), 2);

    // Midnight moves today; the same day again is no change.
    model.setToday(QDate(2026, 3, 9));
    model.setToday(QDate(2026, 3, 9));
    QCOMPARE(today.count(), 1);
    QCOMPARE(marks.count(), 3);

    // Everything off: nothing marked. Options that change nothing announce nothing.
    model.setViewOptions({false, false, true});
    QCOMPARE(model.markedToday(), QDate());
    QVERIFY(model.markedHolidays().isEmpty());
    QVERIFY(model.weekNumbersShown());
    model.setViewOptions({false, false, true});
    model.setHolidays({"1 мая  Весна"});
    model.setToday(QDate(2026, 3, 10));
    QCOMPARE(marks.count(), 4);
}

void CalendarModelTest::saveWritesFilesInOrder()
{
    QTemporaryDir dir;
    CalendarModel model;
    model.setFolder(dir.path() + QLatin1Char('/'));
    model.setYear(2026);
    model.setDays({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    model.setHolidays({QStringLiteral("8 марта  Праздник")});
    model.setProfilePath(dir.filePath(QStringLiteral("Работа.cpr")));
    model.setOpacity(OpacityWindow::FloatingClock, {true, 128});
    model.setViewOptions({false, true, true});
    model.save();
    QCOMPARE(readTextFile(dir.filePath(QStringLiteral("Работа.cpr"))).mid(11),
             (QStringList{"12", "1", "8 марта  Праздник"}));
    QCOMPARE(readTextFile(dir.filePath(QStringLiteral("cnfg.cal"))).mid(12, 9),
             (QStringList{"2026", "1", "1", "", "15780518", "True", "TRUE", "0",
                          dir.filePath(QStringLiteral("Работа.cpr"))}));
    QCOMPARE(readTextFile(dir.filePath(QStringLiteral("transp.cal"))),
             (QStringList{"FALSE", "FALSE", "TRUE", "FALSE", "255", "255", "128", "255"}));
    QCOMPARE(readTextFile(dir.filePath(QStringLiteral("regional.cal"))),
             (QStringList{"TRUE", "FALSE", "FALSE", "TRUE"}));
    QCOMPARE(readTextFile(dir.filePath(QStringLiteral("view.cal"))),
             (QStringList{"FALSE", "TRUE", "TRUE"}));
    QCOMPARE(QFile(dir.filePath(QStringLiteral("view.cal"))).size(), 19); // CR LF ends

    // A profile that cannot be written stops the save before the others.
    QTemporaryDir other;
    model.setFolder(other.path() + QLatin1Char('/'));
    model.setProfilePath(other.filePath(QStringLiteral("no/such.cpr")));
    QVERIFY_THROWS_EXCEPTION(FileError, model.save());
    QVERIFY(QDir(other.path()).entryList(QDir::Files).isEmpty());
}

void CalendarModelTest::remindersLiveBesideTheProfile()
{
    QStandardPaths::setTestModeEnabled(true); // the trash of a test, not the user's
    const auto bytes = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString birthday = QStringLiteral("7 января 1985г. День рождения Маши");
    const QString march = QStringLiteral("8 марта  Праздник");
    const auto makeModel = [&](CalendarModel &model, const QString &name) {
        model.setFolder(folder);
        model.setHolidays({birthday, march});
        model.setProfilePath(folder + name);
    };
    CalendarModel plain, model;
    makeModel(plain, QStringLiteral("Без.cpr"));
    plain.saveProfile();
    QVERIFY(!QFileInfo::exists(remindersPathFor(plain.profilePath()))); // none: no side file
    makeModel(model, QStringLiteral("Дом.cpr"));
    ReminderSettings settings;
    settings.common = ReminderRule{3, true, QTime(18, 30), true};
    settings.entries.insert(march, std::nullopt);
    model.setReminders(settings);
    model.save();
    // The profile's bytes are those of a profile without reminders.
    QCOMPARE(bytes(model.profilePath()), bytes(plain.profilePath()));

    CalendarModel read;
    makeModel(read, QStringLiteral("Дом.cpr"));
    QCOMPARE(read.loadReminders(), QString());
    QCOMPARE(read.reminders(), settings);

    // A deleted entry takes its rule along.
    read.setHolidays({birthday});
    QVERIFY(read.reminders().entries.isEmpty());
    QVERIFY(read.reminders().common);

    // An entry changed outside the program loses its rule, with a note.
    CalendarModel edited;
    makeModel(edited, QStringLiteral("Дом.cpr"));
    edited.setHolidays({birthday, QStringLiteral("9 марта  Праздник")});
    QVERIFY(edited.loadReminders().contains(march));
    QVERIFY(edited.reminders().entries.isEmpty());

    // Renamed and deleted, a profile takes its reminders along.
    QCOMPARE(renameProfile(model, folder + QStringLiteral("Дом.cpr"), QStringLiteral("Дача")),
             QString());
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("Дача.cpr.reminders")));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("Дом.cpr.reminders")));
    QCOMPARE(deleteProfile(plain, folder + QStringLiteral("Дача.cpr"), [] { return true; }),
             QString());
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("Дача.cpr.reminders")));
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/Trash"))
        .removeRecursively();
}

QTEST_GUILESS_MAIN(CalendarModelTest)
#include "tst_calendarmodel.moc"
