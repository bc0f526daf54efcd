// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// Main menu items that open the auxiliary windows.
#include "tests/support/QuietProgram.h"

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QPushButton>
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
};

QTEST_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
