// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Holiday entries and profile names as text: ordering, what a profile can
// keep, and which files count as profiles.
#include "core/ProfileStore.h"
#include "settings/Holidays.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class HolidayTextTest : public QObject {
    Q_OBJECT
private slots:
    void sorting_data();
    void sorting();
    void storableTexts_data();
    void storableTexts();
    void profileFiles();
};

void HolidayTextTest::sorting_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("by text, not by date") << QStringList{"2 января  А", "10 января  Б", "1 мая  В"}
                                          << QStringList{"1 мая  В", "10 января  Б", "2 января  А"};
    QTest::newRow("case ignored, ё with е")
        << QStringList{"Ель", "ёлка", "Ежи", "ЁЖ", "Ещё", "жук"}
        << QStringList{"ЁЖ", "Ежи", "ёлка", "Ель", "Ещё", "жук"};
    QTest::newRow("equal texts keep their order")
        << QStringList{"б", "Аист", "аист", "АИСТ"} << QStringList{"Аист", "аист", "АИСТ", "б"};
    QTest::newRow("Russian order: Cyrillic before Latin")
        << QStringList{"Zoo", "яблоко", "apple", "Арбуз"}
        << QStringList{"Арбуз", "яблоко", "apple", "Zoo"};
}

void HolidayTextTest::sorting()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, sorted);
    sortAlphabetically(entries);
    QCOMPARE(entries, sorted);
}

void HolidayTextTest::storableTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("entryOk");
    QTest::addColumn<bool>("profileNameOk");
    QTest::newRow("Cyrillic and Latin") << "Рождество Christmas №1 «ёлка» — €" << true << true;
    QTest::newRow("empty") << "" << true << false;
    QTest::newRow("emoji") << QString::fromUtf8("Праздник \xF0\x9F\x8E\x89") << false << false;
    QTest::newRow("line break") << "Один\nДва" << false << false;
    QTest::newRow("slash") << "Работа/Дом" << true << false;
    QTest::newRow("parent folder") << "../Работа.cpr" << true << false;
    QTest::newRow("control character") << "Работа\x1f.cpr" << true << false;
}

void HolidayTextTest::storableTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, entryOk);
    QFETCH(bool, profileNameOk);
    QCOMPARE(holidayTextProblem(text).isEmpty(), entryOk);
    QCOMPARE(profileNameProblem(text).isEmpty(), profileNameOk);
    QVERIFY(holidayCountProblem(999).isEmpty());
    QVERIFY(holidayCountProblem(1000).contains(QLatin1String("999")));
}

void HolidayTextTest::profileFiles()
{
    QTemporaryDir dir;
    const QStringList present = {"Работа.cpr", "дом.CPR",    ".cpr", "Alpha.Cpr",
                                 "notes.cprx", "readme.txt", "cpr"};
    for (const QString &name : present) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.cpr")));
    QCOMPARE(profileFileNames(dir.path()),
             (QStringList{".cpr", "дом.CPR", "Работа.cpr", "Alpha.Cpr"}));
}

QTEST_GUILESS_MAIN(HolidayTextTest)
#include "tst_holidaytext.moc"
