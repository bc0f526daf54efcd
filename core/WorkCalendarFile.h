// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "workcal.txt": the official working years shipped with the program
// (made by tools/make_workcal.py). UTF-8 text, one fact a line:
//   dayrail-workcal 1
//   # comments: the source and the covered years
//   year 2025 decree              (or "rules": not yet fixed by decree)
//   2025-01-01 holiday Новогодние каникулы
//   2025-05-02 off перенесённый выходной (с 04.01)
//   2025-11-01 work
//   2025-11-01 short
#include "core/WorkCalendar.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

inline const char *const kWorkCalendarFile = "workcal.txt";

// Where the working years' file is looked for: the user's own copy first
// (the program's folder, then the per-user data folder), then the one
// shipped where tips.cal is; the copy built into the program comes after
// them all.
QStringList workCalendarFiles(const QString &programFolder);
// The shipped file as built into the program: always there.
inline const char *const kBuiltInWorkCalendar = ":/data/workcal.txt";

// Throws FileError naming the file and the line when text is not such a
// file: a wrong first line, a day outside its year, an unknown kind, a
// working "work" day that is no weekend, a year twice.
WorkYears parseWorkCalendar(const QByteArray &text, const QString &path);

// The last year a decree fixes in years, 0 when none: what tells a newer
// file from an older one.
int lastDecreedYear(const WorkYears &years);

// The file is read when first needed, not at start: most runs never show
// the working year.
class WorkCalendarSource {
public:
    // Where to look, in order of precedence (the user's own copy first); the
    // built-in data comes after them all.
    void setCandidates(const QStringList &paths);
    bool isLoaded() const { return m_loaded; }
    // The years of the candidate that reads cleanly and decrees the latest
    // year, the earlier candidate on a tie: a file left from an older
    // version yields to the newer built-in data, a user's copy that is as
    // new wins. Read once. problems, when given, gets a message for each
    // damaged file passed over in this call.
    const WorkYears &years(QStringList *problems = nullptr);
    // The file the years came from (kBuiltInWorkCalendar for the built-in
    // data); empty when none.
    QString path() const { return m_path; }
    bool isBuiltIn() const { return m_path == QLatin1String(kBuiltInWorkCalendar); }

private:
    QStringList m_candidates;
    bool m_loaded = false;
    WorkYears m_years;
    QString m_path;
};
