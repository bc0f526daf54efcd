// Main menu items that open the auxiliary windows.
#include "QuietProgram.h"
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QTest>

class TestWindowCommands : public QObject {
    Q_OBJECT
    QuietProgram m_program;

private slots:
    void initTestCase() { m_program.start(); }
    void cleanupTestCase() { m_program.stop(); }

    void itemShowsItsWindow_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("compare months") << "N1" << "Form2";
        QTest::newRow("day count, hidden item") << "N30" << "Form17";
        QTest::newRow("go to date") << "N7" << "Form6";
        QTest::newRow("about") << "N11" << "About";
    }
    void itemShowsItsWindow()
    {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QWidget *shown = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == window)
                shown = w;
        QVERIFY(shown);
        shown->hide();
        QAction *action = Form1->findChild<QAction *>(item);
        QVERIFY(action);
        Form1->show();
        action->trigger();
        QVERIFY(shown->isVisible());
        QVERIFY(Form1->isVisible()); // these windows come beside the main window
        shown->hide();
    }
};

QTEST_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
