// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the agent remembers between runs, in a file of its own (never one of
// the user's): up to which moment reminders were delivered, and the ones
// snoozed. UTF-8, LF:
//   dayrail-remind 1
//   delivered 2026-01-04T09:00:00.012
//   snooze 2026-01-04T09:10:00.000 2026-01-07<TAB>7 января 1985г. День рождения Маши
#include "base/DataLocation.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

struct Snooze {
    QDateTime due;
    QDate date;    // the day reminded of
    QString entry; // the entry's text as the profile holds it
};

struct AgentState {
    QDateTime delivered; // invalid: never ran
    QList<Snooze> snoozes;
};

// A portable copy (or a folder given on the command line) keeps it beside
// its files under a dot name; an installed one in $XDG_STATE_HOME/dayrail/.
QString agentStatePath(const DataLocation &location);

// A missing or damaged file reads as a first run.
AgentState readAgentState(const QString &path);
// False when it cannot be written; the previous file stays whole.
bool writeAgentState(const QString &path, const AgentState &state);
