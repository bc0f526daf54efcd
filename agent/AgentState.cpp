// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "agent/AgentState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const char *const kHeader = "dayrail-remind 1";
}

QString agentStatePath(const DataLocation &location)
{
    if (location.portable)
        return location.folder + QStringLiteral(".dayrail-remind.state");
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/dayrail/remind.state");
}

AgentState readAgentState(const QString &path)
{
    AgentState state;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return state;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.isEmpty() || lines.first() != kHeader)
        return state;
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromUtf8(raw);
        if (line.startsWith(QLatin1String("delivered "))) {
            state.delivered = QDateTime::fromString(line.mid(10), Qt::ISODate);
        } else if (line.startsWith(QLatin1String("snooze "))) {
            const int tab = line.indexOf(QLatin1Char('\t'));
            const QStringList when = line.mid(7, tab - 7).split(QLatin1Char(' '));
            Snooze snooze{QDateTime::fromString(when.value(0), Qt::ISODate),
                          QDate::fromString(when.value(1), Qt::ISODate), line.mid(tab + 1)};
            if (tab > 0 && snooze.due.isValid() && snooze.date.isValid())
                state.snoozes << snooze;
        }
    }
    return state;
}

bool writeAgentState(const QString &path, const AgentState &state)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QByteArray text = QByteArray(kHeader) + '\n';
    if (state.delivered.isValid())
        text += "delivered " + state.delivered.toString(Qt::ISODateWithMs).toUtf8() + '\n';
    for (const Snooze &s : state.snoozes)
        text += "snooze " + s.due.toString(Qt::ISODateWithMs).toUtf8() + ' ' +
                s.date.toString(Qt::ISODate).toUtf8() + '\t' + s.entry.toUtf8() + '\n';
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}
