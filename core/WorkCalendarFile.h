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

// Throws FileError naming the file and the line when text is not such a
// file: a wrong first line, a day outside its year, an unknown kind, a
// working "work" day that is no weekend, a year twice.
WorkYears parseWorkCalendar(const QByteArray &text, const QString &path);

// The file is read when first needed, not at start: most runs never show
// the working year.
class WorkCalendarSource {
public:
    // Where to look, in order of precedence (the user's own copy first).
    void setCandidates(const QStringList &paths);
    bool isLoaded() const { return m_loaded; }
    // The years of the first candidate that reads cleanly, reading once;
    // none when no file does. problems, when given, gets a message for each
    // damaged file passed over in this call.
    const WorkYears &years(QStringList *problems = nullptr);
    // The file the years came from; empty when none.
    QString path() const { return m_path; }

private:
    QStringList m_candidates;
    bool m_loaded = false;
    WorkYears m_years;
    QString m_path;
};
