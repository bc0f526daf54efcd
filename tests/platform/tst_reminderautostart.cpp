// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The reminder agent's login entry: written where the desktop looks for it,
// valid for it, and removed again.
#include "platform/ReminderAutostart.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class ReminderAutostartTest : public QObject {
    Q_OBJECT
private slots:
    void writtenValidAndRemoved();
};

void ReminderAutostartTest::writtenValidAndRemoved()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QString path =
        config.filePath(QStringLiteral("autostart/org.dayrail.DayrailXP.Reminders.desktop"));
    QCOMPARE(reminderAutostartPath(), path);

    // A portable copy's paths, with what the desktop would split or expand.
    installReminderAutostart(QStringLiteral("/opt/Мой календарь/dayrail-remind"),
                             QStringLiteral("/home/u/Кал $HOME 100%/"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(text.contains(QStringLiteral("\nExec=\"/opt/Мой календарь/dayrail-remind\" --folder "
                                          "\"/home/u/Кал \\\\$HOME 100%%/\"\n")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("\nName=Dayrail XP — напоминания\n")));
    if (!QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty()) {
        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), {path});
        QVERIFY(validate.waitForFinished());
        const QByteArray said = validate.readAllStandardOutput() + validate.readAllStandardError();
        QVERIFY2(validate.exitCode() == 0 && said.isEmpty(), said.constData());
    }
    // An installed copy's agent needs no folder, and its plain path no quotes.
    QVERIFY(reminderAutostartText(QStringLiteral("/usr/bin/dayrail-remind"), {})
                .contains("\nExec=/usr/bin/dayrail-remind\n"));

    removeReminderAutostart();
    QVERIFY(!QFile::exists(path));
    removeReminderAutostart(); // nothing there: nothing to do
}

QTEST_GUILESS_MAIN(ReminderAutostartTest)
#include "tst_reminderautostart.moc"
