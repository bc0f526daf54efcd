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

// The exit code when the program must end now (0 after --help or --version,
// 2 after an unknown argument), std::nullopt to start normally. arguments[0]
// is the program's name. Texts are Russian when the locale is. "--show-date
// YYYY-MM-DD" (a reminder's «Открыть») gives the day to show in showDate.
std::optional<int> handleCommandLine(const QStringList &arguments, const QString &dataFolder,
                                     QDate *showDate = nullptr);
// The same, writing to the given streams instead of stdout and stderr.
std::optional<int> handleCommandLine(const QStringList &arguments, const QString &dataFolder,
                                     QTextStream &out, QTextStream &err, QDate *showDate = nullptr);

// True when the messages' locale (LC_ALL, else LC_MESSAGES, else LANG) is Russian.
bool russianMessages();
