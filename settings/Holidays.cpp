#include "Holidays.h"

#include "CalendarFiles.h"
#include "TextFile.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

QString composeHoliday(const QString &day, const QString &month, const QString &year,
                       const QString &caption)
{
    const QString date = day + QLatin1Char(' ') + month.toLower() + QLatin1Char(' ');
    if (year.isEmpty())
        return date + QLatin1Char(' ') + caption;
    return date + year + QStringLiteral("г. ") + caption;
}

namespace {

QCollator russianCollator()
{
    QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    collator.setIgnorePunctuation(false);
    return collator;
}

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

} // namespace

void sortAlphabetically(QStringList &entries)
{
    const QCollator collator = russianCollator();
    std::stable_sort(entries.begin(), entries.end(), [&](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
}

bool isYearKey(QChar key)
{
    const ushort c = key.unicode();
    if (c >= '0' && c <= '9')
        return true;
    // Tab, code 11 and Enter are refused; the other control codes edit.
    return c < 32 && c != 9 && c != 11 && c != 13;
}

QString holidayTextProblem(const QString &text)
{
    if (hasLineBreak(text))
        return QStringLiteral("Запись праздника должна умещаться в одну строку: "
                              "уберите из текста переводы строк.");
    if (!fitsIn1251(text))
        return QStringLiteral("Текст «%1» содержит знаки, которые профиль не может сохранить. "
                              "Используйте русские и латинские буквы, цифры и обычные знаки "
                              "препинания.")
            .arg(text);
    return {};
}

QString holidayCountProblem(int count)
{
    if (count <= kHolidayPositions)
        return {};
    return QStringLiteral("В списке уже %1 праздников: больше профиль не вмещает. "
                          "Удалите ненужные записи.")
        .arg(kHolidayPositions);
}

QString profileNameProblem(const QString &name)
{
    // The folder itself is no profile file.
    if (name.isEmpty())
        return QStringLiteral("Введите имя профиля.");
    // The path is one line of "cnfg.cal": a line break would split it.
    if (hasLineBreak(name))
        return QStringLiteral("Имя профиля должно умещаться в одну строку: уберите из него "
                              "переводы строк.");
    if (name.contains(QLatin1Char('/')))
        return QStringLiteral("Имя профиля «%1» содержит знак \"/\". Профиль — это файл в папке "
                              "программы, а не путь: введите имя без \"/\".")
            .arg(name);
    if (!fitsIn1251(name))
        return QStringLiteral("Имя профиля «%1» содержит знаки, которые нельзя сохранить в "
                              "настройках. Используйте русские и латинские буквы и цифры.")
            .arg(name);
    return {};
}

QStringList profileFileNames(const QString &dir)
{
    QDir folder(dir);
    folder.setNameFilters({QStringLiteral("*.cpr")});
    // ".cpr" (a profile created with an empty name) is a hidden file here.
    // The mask matches in any case, as profiles copied from elsewhere may be
    // named "*.CPR".
    folder.setFilter(QDir::Files | QDir::Hidden);
    QStringList names = folder.entryList();
    sortAlphabetically(names);
    return names;
}
