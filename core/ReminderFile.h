// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reminders of a profile live beside it, so that the profile itself
// stays as it always was: "Дом.cpr" keeps them in "Дом.cpr.reminders".
// UTF-8 text, LF, one rule a line:
//   dayrail-reminders 1
//   common 3 days 09:00 yearly       (the rule of entries without their own)
//   entry 2 workdays 18:30<TAB>7 января 1985г. День рождения Маши
//   entry off<TAB>8 марта  Женский день      (no reminder for this one)
// A rule is "off" or "<days> days|workdays <hh:mm>", then "yearly" when an
// entry with a year comes back every year. The entry's text runs from the
// first tab to the end of the line, exactly as the profile holds it.
#include "core/Reminder.h"

#include <QList>
#include <QString>
#include <QStringList>

QString remindersPathFor(const QString &profilePath);

QByteArray reminderFileText(const ReminderSettings &settings);
// Throws FileError when the file cannot be written; the previous one stays whole.
void writeReminders(const QString &path, const ReminderSettings &settings);

enum class ReminderFault {
    Unknown, // not a reminders file: nothing in it is taken
    BadLine, // a line that is no rule, left out
    Twice,   // a second rule for the same entry, left out
    Lost,    // a rule for an entry the profile no longer has, dropped
};

struct ReminderProblem {
    ReminderFault fault;
    int line = 0;  // 1-based
    QString entry; // the entry the rule was for, when known
    QString text;  // for the user
};

struct RemindersRead {
    ReminderSettings settings;
    QList<ReminderProblem> problems; // in the order of the file's lines
};

// The rules of text for the entries a profile holds now; a rule is taken
// only for its exact entry text. Never throws.
RemindersRead parseReminders(const QByteArray &text, const QString &path,
                             const QStringList &entries);
// No file: no reminders and no problems. Throws FileError when the file is
// there but cannot be read (or is no regular file).
RemindersRead readReminders(const QString &path, const QStringList &entries);
