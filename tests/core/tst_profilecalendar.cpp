// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Entries' identities beside the profile and the profile seen as a calendar:
// what survives edits, what comes back unchanged, and where the files go.
#include "core/CalendarModel.h"
#include "core/EntryIds.h"
#include "core/EventStore.h"
#include "core/ICalendar.h"
#include "core/ProfileCalendar.h"
#include "core/ProfileStore.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kA = QStringLiteral("8 марта  Женский день");
const QString kB = QStringLiteral("7 января 1985г. День рождения Маши");
const QString kC = QStringLiteral("просто текст");

QByteArray calendar(const QByteArray &event)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Elsewhere//1//EN\r\nBEGIN:VEVENT\r\n" +
           event + "DTSTAMP:20250101T000000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

QList<QByteArray> uidsOf(const EntryIds &ids)
{
    QList<QByteArray> uids;
    for (const EntryId &id : ids)
        uids << id.uid;
    return uids;
}

} // namespace

enum class Change { Edit, Reorder, RemoveFirstTwin, AddTwin, ChangeText };
Q_DECLARE_METATYPE(Change)

class ProfileCalendarTest : public QObject {
    Q_OBJECT
private slots:
    void idsFollowEntries_data();
    void idsFollowEntries();
    void idsSurviveReloadButNotOutsideChange();
    void itemsStableAndEditKeepsUid();
    void serverEventsRoundTrip_data();
    void serverEventsRoundTrip();
    void fullListKeepsEventWhole();
    void sideFilesFollowProfile();
};

void ProfileCalendarTest::idsFollowEntries_data()
{
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QList<int>>("from"); // the start row whose identity each entry has, -1 new
    QTest::newRow("edit") << QStringList{kA, kB} << Change::Edit << QList<int>{0, 1};
    QTest::newRow("reorder") << QStringList{kA, kB, kC} << Change::Reorder << QList<int>{2, 0, 1};
    QTest::newRow("twin deleted by row")
        << QStringList{kA, kB, kA} << Change::RemoveFirstTwin << QList<int>{1, 2};
    QTest::newRow("twin added") << QStringList{kA} << Change::AddTwin << QList<int>{0, -1};
    QTest::newRow("text replaced in the list")
        << QStringList{kA, kB} << Change::ChangeText << QList<int>{0, -1};
}

void ProfileCalendarTest::idsFollowEntries()
{
    QFETCH(QStringList, start);
    QFETCH(Change, change);
    QFETCH(QList<int>, from);
    CalendarModel model;
    model.setHolidays(start);
    const QList<QByteArray> before = uidsOf(model.entryIds());
    QCOMPARE(QSet<QByteArray>(before.cbegin(), before.cend()).size(), start.size());
    switch (change) {
    case Change::Edit: model.replaceHoliday(1, QStringLiteral("9 марта  Другой день")); break;
    case Change::Reorder: model.setHolidays({start.at(2), start.at(0), start.at(1)}); break;
    case Change::RemoveFirstTwin: model.removeHoliday(0); break;
    case Change::AddTwin: model.setHolidays(start + start); break;
    case Change::ChangeText: model.setHolidays({start.at(0), QStringLiteral("1 мая  Весна")});
    }
    const QList<QByteArray> after = uidsOf(model.entryIds());
    QCOMPARE(after.size(), from.size());
    for (int i = 0; i < from.size(); ++i)
        QCOMPARE(before.contains(after.at(i)) ? int(before.indexOf(after.at(i))) : -1, from.at(i));
}

void ProfileCalendarTest::idsSurviveReloadButNotOutsideChange()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Дом.cpr"));
    CalendarModel model;
    model.setHolidays({kA, kB, kA});
    model.setProfilePath(path);
    model.saveProfile();
    const EntryIds saved = model.entryIds();

    CalendarModel read;
    read.applyProfile(readProfile(path));
    read.setProfilePath(path);
    QVERIFY(read.loadEntryIds().isEmpty());
    QCOMPARE(read.entryIds(), saved);

    // Changed outside the program: the old text's identity is dropped and
    // reported, the new text gets its own, the twins keep theirs in order.
    writeProfile(path, {readProfile(path).days, {kA, kA, QStringLiteral("7 января  Маша")}});
    CalendarModel changed;
    changed.applyProfile(readProfile(path));
    changed.setProfilePath(path);
    const QList<EntryIdLine> dropped = changed.loadEntryIds();
    QCOMPARE(dropped.size(), 1);
    QCOMPARE(dropped.first().id, saved.at(1));
    QCOMPARE(dropped.first().entry, kB);
    QCOMPARE(changed.entryIds().at(0), saved.at(0));
    QCOMPARE(changed.entryIds().at(1), saved.at(2));
    QVERIFY(!uidsOf(saved).contains(changed.entryIds().at(2).uid));
}

void ProfileCalendarTest::itemsStableAndEditKeepsUid()
{
    CalendarModel model;
    model.setHolidays({kA, kC, kB});
    const ProfileCalendar profile(model);
    const CalendarItems first = profile.items();
    QCOMPARE(first.size(), 2); // the entry without a date is no event
    QCOMPARE(profile.items(), first);
    QVERIFY(first.at(0).ics.contains("UID:" + first.at(0).uid + "\r\n"));

    model.replaceHoliday(2, QStringLiteral("7 января 1985г. Маше сорок лет"));
    const CalendarItems edited = profile.items();
    QCOMPARE(edited.at(0), first.at(0));
    QCOMPARE(edited.at(1).uid, first.at(1).uid);
    QVERIFY(edited.at(1).ics.contains("SUMMARY:Маше сорок лет"));
    // The file export gives the same identities.
    const ICalendarExport exported =
        holidaysToICalendar(model.holidays(), uidsOf(model.entryIds()), QDateTime());
    QVERIFY(exported.text.contains("UID:" + first.at(1).uid + "\r\n"));
}

void ProfileCalendarTest::serverEventsRoundTrip_data()
{
    QTest::addColumn<QByteArray>("ics");
    QTest::addColumn<QString>("entry"); // empty: kept whole
    QTest::addColumn<QDate>("marked");  // a day of 2026 it marks
    const QByteArray ours = entryToICalendar(QStringLiteral("10 марта 2026г.  Встреча "), "o@x",
                                             QDateTime(QDate(2026, 1, 2), QTime(), Qt::UTC));
    QTest::newRow("entry with its own text")
        << ours << QStringLiteral("10 марта 2026г.  Встреча ") << QDate(2026, 3, 10);
    QTest::newRow("yearly") << calendar(
                                   "UID:y@x\r\nDTSTART;VALUE=DATE:19850107\r\nRRULE:FREQ=YEARLY\r\n"
                                   "SUMMARY:Маша\r\nDESCRIPTION:торт\r\n")
                            << QStringLiteral("7 января  Маша") << QDate(2026, 1, 7);
    QTest::newRow("timed, weekly")
        << calendar("UID:t@x\r\nDTSTART:20260302T100000\r\nDTEND:20260302T110000\r\n"
                    "RRULE:FREQ=WEEKLY;COUNT=3\r\nSUMMARY:Планёрка\r\n")
        << QString() << QDate(2026, 3, 16);
    QTest::newRow("two days") << calendar("UID:d@x\r\nDTSTART;VALUE=DATE:20260501\r\n"
                                          "DTEND;VALUE=DATE:20260503\r\nSUMMARY:Дача\r\n")
                              << QString() << QDate(2026, 5, 2);
    QTest::newRow("caption the form refuses")
        << calendar("UID:s@x\r\nDTSTART;VALUE=DATE:20260601\r\nSUMMARY:Мир\r\n") << QString()
        << QDate(2026, 6, 1);
}

void ProfileCalendarTest::serverEventsRoundTrip()
{
    QFETCH(QByteArray, ics);
    QFETCH(QString, entry);
    QFETCH(QDate, marked);
    QTemporaryDir dir;
    CalendarModel model;
    model.setHolidays({kA});
    model.setProfilePath(dir.filePath(QStringLiteral("Дом.cpr")));
    ProfileCalendar profile(model);
    const QByteArray uid = calendarEventUid(ics);
    profile.put({uid, ics});
    QCOMPARE(model.holidays(), entry.isEmpty() ? QStringList(kA) : (QStringList() << kA << entry));
    QVERIFY(model.markedHolidays().contains(marked));
    // Whatever it became, it comes back as it came, after a save too.
    const CalendarItems items = profile.items();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.last(), (CalendarItem{uid, ics}));
    model.saveProfile();
    CalendarModel read;
    read.applyProfile(readProfile(model.profilePath()));
    read.setProfilePath(model.profilePath());
    read.loadEntryIds();
    QCOMPARE(ProfileCalendar(read).items(), items);

    // Edited here, the entry is ours again under the same identity.
    if (!entry.isEmpty()) {
        read.replaceHoliday(1, QStringLiteral("11 марта  Встреча"));
        const CalendarItem mine = ProfileCalendar(read).items().last();
        QCOMPARE(mine.uid, uid);
        QVERIFY(mine.ics.contains("PRODID:-//Dayrail"));
    }
    ProfileCalendar(read).remove(uid);
    QCOMPARE(read.holidays(), QStringList{kA});
    QCOMPARE(ProfileCalendar(read).items().size(), 1);
    QVERIFY(!read.markedHolidays().contains(marked));
}

void ProfileCalendarTest::fullListKeepsEventWhole()
{
    CalendarModel model;
    QStringList full;
    for (int i = 0; i < kHolidayPositions; ++i)
        full << QStringLiteral("1 мая  Запись %1").arg(i);
    model.setHolidays(full);
    ProfileCalendar profile(model);
    const QByteArray ics = calendar("UID:n@x\r\nDTSTART;VALUE=DATE:20260601\r\nSUMMARY:Лето\r\n");
    profile.put({"n@x", ics});
    QCOMPARE(model.holidays(), full);
    QCOMPARE(profile.items().last(), (CalendarItem{"n@x", ics}));
    QCOMPARE(model.markedHolidays().value(QDate(2026, 6, 1)), QStringLiteral("Лето"));
    // An entry's event changed into one the list cannot hold: kept whole.
    const QByteArray first = profile.items().first().uid;
    const QByteArray timed =
        calendar("UID:" + first + "\r\nDTSTART:20260501T090000\r\nSUMMARY:Запись 0\r\n");
    profile.put({first, timed});
    QCOMPARE(model.holidays().size(), kHolidayPositions - 1);
    QCOMPARE(profile.items().last(), (CalendarItem{first, timed}));
}

void ProfileCalendarTest::sideFilesFollowProfile()
{
    QStandardPaths::setTestModeEnabled(true); // the trash of a test, not the user's
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const auto sides = [&](const QString &name) {
        int there = 0;
        for (const QString &side : profileSidePaths(folder + name))
            there += QFileInfo::exists(side);
        return there;
    };
    CalendarModel model;
    model.setFolder(folder);
    model.setHolidays({kA});
    ReminderSettings reminders;
    reminders.common = ReminderRule{};
    model.setReminders(reminders);
    ProfileCalendar(model).put(
        {"w@x", calendar("UID:w@x\r\nDTSTART:20260302T100000\r\nSUMMARY:Встреча\r\n")});
    QCOMPARE(createProfile(model, QStringLiteral("Дом")), QString());
    QCOMPARE(sides(QStringLiteral("Дом.cpr")), 3);
    QCOMPARE(renameProfile(model, folder + QStringLiteral("Дом.cpr"), QStringLiteral("Дача")),
             QString());
    QCOMPARE(sides(QStringLiteral("Дом.cpr")), 0);
    QCOMPARE(sides(QStringLiteral("Дача.cpr")), 3);
    QCOMPARE(createProfile(model, QStringLiteral("Город")), QString());
    QCOMPARE(renameProfile(model, folder + QStringLiteral("Дача.cpr"), QStringLiteral("Лес")),
             QString());
    QCOMPARE(sides(QStringLiteral("Лес.cpr")), 3);
    QCOMPARE(deleteProfile(model, folder + QStringLiteral("Лес.cpr"), [] { return true; }),
             QString());
    QCOMPARE(sides(QStringLiteral("Лес.cpr")), 0);
    // A profile without entries or kept events leaves no such files behind.
    ProfileCalendar(model).remove("w@x");
    model.setHolidays({});
    model.setReminders({});
    model.saveProfile();
    QCOMPARE(sides(QStringLiteral("Город.cpr")), 0);
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/Trash"))
        .removeRecursively();
}

QTEST_GUILESS_MAIN(ProfileCalendarTest)
#include "tst_profilecalendar.moc"
