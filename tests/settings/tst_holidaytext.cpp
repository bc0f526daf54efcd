// Holiday entries and profile names as text: composing, ordering, the year
// key rule, what a profile can keep, and which files count as profiles.
#include "Holidays.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class HolidayTextTest : public QObject {
    Q_OBJECT
private slots:
    void compose_data();
    void compose();
    void sorting_data();
    void sorting();
    void yearKeys();
    void storableTexts_data();
    void storableTexts();
    void profileFiles();
};

void HolidayTextTest::compose_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("entry");
    QTest::newRow("no year: two spaces") << "31" << "Февраля" << "" << "Тест"
                                         << "31 февраля  Тест";
    QTest::newRow("year: no space before г") << "1" << "Января" << "2006" << "Новый год"
                                             << "1 января 2006г. Новый год";
    QTest::newRow("caption kept as typed") << "7" << "Мая" << "5" << "    "
                                           << "7 мая 5г.     ";
    QTest::newRow("pasted year kept") << "12" << "Сентября" << "12ab" << " Тест "
                                      << "12 сентября 12abг.  Тест ";
}

void HolidayTextTest::compose()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, caption);
    QFETCH(QString, entry);
    QCOMPARE(composeHoliday(day, month, year, caption), entry);
}

void HolidayTextTest::sorting_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("by text, not by date")
        << QStringList{"2 января  А", "10 января  Б", "1 мая  В"}
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

void HolidayTextTest::yearKeys()
{
    QString passed;
    for (ushort c = 0; c < 256; ++c)
        if (isYearKey(QChar(c)))
            passed += QChar(c);
    QString expected;
    for (ushort c = 0; c < 32; ++c)
        if (c != 9 && c != 11 && c != 13)
            expected += QChar(c);
    expected += QStringLiteral("0123456789");
    QCOMPARE(passed, expected);
    QVERIFY(!isYearKey(QChar(0x0436))); // Cyrillic letters are refused as well
}

void HolidayTextTest::storableTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("entryOk");
    QTest::addColumn<bool>("profileNameOk");
    QTest::newRow("Cyrillic and Latin") << "Рождество Christmas №1 «ёлка» — €" << true << true;
    QTest::newRow("empty") << "" << true << true;
    QTest::newRow("emoji") << QString::fromUtf8("Праздник \xF0\x9F\x8E\x89") << false << false;
    QTest::newRow("Chinese") << QString::fromUtf8("\xE6\x98\xA5\xE8\x8A\x82") << false << false;
    QTest::newRow("line break") << "Один\nДва" << false << true;
    QTest::newRow("carriage return") << "Один\r" << false << true;
    QTest::newRow("slash") << "Работа/Дом" << true << false;
    QTest::newRow("parent folder") << "../Работа.cpr" << true << false;
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
    const QStringList present = {"Работа.cpr", "дом.CPR", ".cpr", "Alpha.Cpr", "notes.cprx",
                                 "readme.txt", "cpr"};
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
