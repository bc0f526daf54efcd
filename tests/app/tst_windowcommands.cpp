// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Main menu items that open the auxiliary windows.
#include "core/ReminderFile.h"
#include "platform/ReminderAutostart.h"
#include "tests/support/QuietProgram.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(WindowRole)

class TestWindowCommands : public QObject {
    Q_OBJECT
    QuietProgram m_program;

private slots:
    void initTestCase() { m_program.start(); }
    void cleanupTestCase() { m_program.stop(); }

    void itemShowsItsWindow_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<WindowRole>("role");
        QTest::newRow("compare months") << "actionCompareMonths" << WindowRole::MonthCompare;
        QTest::newRow("day count, hidden item") << "actionCountDays" << WindowRole::DateSpan;
        QTest::newRow("go to date") << "actionGoToDate" << WindowRole::GoToDate;
        QTest::newRow("about") << "actionAbout" << WindowRole::About;
    }
    void itemShowsItsWindow()
    {
        QFETCH(QString, item);
        QFETCH(WindowRole, role);
        TestProgram &program = *m_program.program;
        // Built when first asked for, not at start.
        QVERIFY(!program.app().existingWindow(role));
        QAction *action = program.control<QAction>(qPrintable(item));
        QVERIFY(action);
        program.main()->show();
        action->trigger();
        QWidget *shown = program.app().existingWindow(role);
        QVERIFY(shown && shown->isVisible());
        QVERIFY(program.main()->isVisible()); // these windows come beside the main window
        shown->hide();
    }

    // Every print command uses the one printer of the run, so what the user
    // set up for one holds for the next.
    void printCommandsShareOnePrinter()
    {
        TestProgram &program = *m_program.program;
        RecordingDialogs &dialogs = m_program.dialogs;
        QPrinter &printer = program.app().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_program.folder->path("preview.pdf"));
        dialogs.clear();
        dialogs.printAnswer = false;
        for (const char *item : {"actionPrintCube", "actionPreviewYear", "actionPreviewCube"})
            program.control<QAction>(item)->trigger();
        program.window(WindowRole::PrintScale)
            ->findChild<QPushButton *>(QStringLiteral("printButton"))
            ->click();
        QCOMPARE(dialogs.printers, QList<QPrinter *>(4, &printer));
        QVERIFY2(dialogs.all().isEmpty(), qPrintable(dialogs.all().join('|')));
    }

    // A reminder's «Открыть» shows its day; switching reminders on and off
    // installs and removes the agent's login entry.
    void showDateAndReminderSwitch()
    {
        TestProgram &program = *m_program.program;
        program.main()->hide();
        program.app().showDate(QDate(2031, 7, 4));
        QVERIFY(program.main()->isVisible());
        QCOMPARE(program.model().year(), 2031);
        QCOMPARE(program.model().day(7), 4);
        QCOMPARE(program.main()->findChild<QLineEdit *>("yearEdit")->text(), "2031");

        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const QString entry = reminderAutostartPath();
        QVERIFY(entry.startsWith(config.path()));
        ReminderSettings on;
        on.common = ReminderRule{};
        m_program.dialogs.clear();
        program.model().setReminders(on);
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // A copy in a folder of its own tells the agent where that is.
        QVERIFY(file.readAll().contains("--folder " + m_program.folder->path().toUtf8()));
        // The agent follows the side file, written at once.
        const QString side = remindersPathFor(program.model().profilePath());
        QVERIFY(QFile::exists(side));
        program.model().setReminders({});
        QVERIFY(!QFile::exists(entry));
        QVERIFY(!QFile::exists(side));
        QVERIFY(m_program.dialogs.all().isEmpty());
    }
};

QTEST_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
