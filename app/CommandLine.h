// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: --help and --version print and end the
// program; the toolkit's own options pass through; anything else is refused.
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

// What a start is asked to do besides opening the main window.
struct StartRequest {
    // "--show-date YYYY-MM-DD" (a reminder's «Открыть»): the day to show.
    QDate showDate;
    // "--show-reminder TEXT": only a reminder's box, for the agent where no
    // notification service runs; the exit code is the answer (ReminderChoice).
    QString reminder;
};

// The exit code when the program must end now (0 after --help or --version,
// 2 after an unknown or incomplete argument), std::nullopt to start
// normally. arguments[0] is the program's name. Texts are Russian when the
// locale is.
std::optional<int> handleCommandLine(const QStringList &arguments, const QString &dataFolder,
                                     StartRequest *request = nullptr);
// The same, writing to the given streams instead of stdout and stderr.
std::optional<int> handleCommandLine(const QStringList &arguments, const QString &dataFolder,
                                     QTextStream &out, QTextStream &err,
                                     StartRequest *request = nullptr);

// True when the messages' locale (LC_ALL, else LC_MESSAGES, else LANG) is Russian.
bool russianMessages();
