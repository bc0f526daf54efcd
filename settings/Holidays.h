#pragma once
// Holiday entries and profile names as text: composing an entry, ordering the
// list, and what a profile file (Windows-1251, one entry per line) can keep.
// No widgets here.
#include <QDir>
#include <QString>
#include <QStringList>

// «7 января 2005г. Рождество» with a year, «23 февраля  Праздник» without.
QString composeHoliday(const QString &day, const QString &month, const QString &year,
                       const QString &caption);

// Alphabetical order of whole texts (holiday entries, file names), ignoring
// case, under Russian collation; texts that compare equal keep their order.
void sortAlphabetically(QStringList &entries);

// The year field's key rule: digits and the editing control characters.
bool isYearKey(QChar key);

// Empty when the text can be kept in a profile exactly as shown; otherwise
// the message for the user.
QString holidayTextProblem(const QString &text);
// The same for the list as a whole growing to count entries.
QString holidayCountProblem(int count);

// Empty when name can be a profile's file name in dir; otherwise the message.
QString profileNameProblem(const QString &name);

// Names of the profile files in dir ("*.cpr", any case), in list order.
QStringList profileFileNames(const QString &dir);
