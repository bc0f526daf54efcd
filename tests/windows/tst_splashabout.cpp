// The splash screen at start-up, its fade deciding the tips, and About.
#include "CalendarFiles.h"
#include "TestSupport.h"
#include "TextFile.h"
#include "MainWindow.h"
#include "SplashScreen.h"
#include "TipsWindow.h"
#include "AboutWindow.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {

// Starts the program with the two switches saved as given and a tips file
// beside it.
void startWith(const ProgramFolder &folder, bool splash, bool tips)
{
    const QString profile = folder.path(QStringLiteral("Тест.cpr"));
    writeProfile(profile, {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {}});
    SettingsContent settings;
    settings.showSplash = splash;
    settings.showTips = tips;
    settings.profilePath = profile;
    writeSettings(folder.path(QStringLiteral("cnfg.cal")), settings);
    QStringList lines;
    for (int k = 1; k <= 15; ++k)
        lines << QStringLiteral("Совет %1").arg(k);
    folder.write(QStringLiteral("tips.cal"), lines);
    startProgram(folder);
}

void tick(int times)
{
    for (int i = 0; i < times; ++i)
        Form12->Timer1Timer();
}

} // namespace

class TestSplashAbout : public QObject {
    Q_OBJECT
    RecordingDialogs m_dialogs;

private slots:
    void startUp_data()
    {
        QTest::addColumn<bool>("splash");
        QTest::addColumn<bool>("tips");
        QTest::newRow("splash and tips") << true << true;
        QTest::newRow("splash only") << true << false;
        QTest::newRow("tips only") << false << true;
        QTest::newRow("neither") << false << false;
    }
    void startUp()
    {
        QFETCH(bool, splash);
        QFETCH(bool, tips);
        ProgramFolder folder;
        startWith(folder, splash, tips);
        QCOMPARE(Form12->isVisible(), splash);
        QCOMPARE(Form12->Timer1->isActive(), splash);
        // The fade starts at 250; a loaded machine may already have run a step or two.
        QVERIFY(Form12->Blending.value() <= 250 && Form12->Blending.value() > 200);
        // Without the splash the tips come at once, before the main window.
        QCOMPARE(Form13->isVisible(), tips && !splash);
        QVERIFY(!Form1->isVisible());
        QVERIFY(m_dialogs.errors.isEmpty());
        if (splash) // the fade runs once messages are processed
            QTRY_VERIFY(Form12->Blending.value() < 250);
        stopProgram();
    }

    void fadeDecidesTheTipsAtItsEnd_data()
    {
        QTest::addColumn<bool>("tipsAtStart");
        QTest::addColumn<bool>("tipsAtEnd");
        QTest::newRow("tips on") << true << true;
        QTest::newRow("tips off") << false << false;
        QTest::newRow("switched off while fading") << true << false;
    }
    void fadeDecidesTheTipsAtItsEnd()
    {
        QFETCH(bool, tipsAtStart);
        QFETCH(bool, tipsAtEnd);
        ProgramFolder folder;
        startWith(folder, true, tipsAtStart);
        Form12->Timer1->stop(); // ticks are driven by hand below
        Form12->Blending.setValue(250); // a loaded machine may have ticked already
        tick(100);
        QCOMPARE(Form12->Blending.value(), 150);
        if (tipsAtEnd != tipsAtStart)
            Form1->N15->trigger();
        tick(149);
        QVERIFY(Form12->isVisible());
        QVERIFY(!Form13->isVisible());
        Form12->Timer1->start();
        tick(1);
        QCOMPARE(Form12->Blending.value(), 0);
        QVERIFY(!Form12->isVisible());
        QVERIFY(!Form12->Timer1->isActive());
        QCOMPARE(Form13->isVisible(), tipsAtEnd);
        stopProgram();
    }

    void oneBannerEitherWayBlackSeeThrough()
    {
        ProgramFolder folder;
        startWith(folder, true, false);
        Form12->Timer1->stop();
        int first = 0;
        for (int run = 0; run < 60; ++run) {
            Form12->FormCreate();
            QVERIFY(Form12->Image1->isVisibleTo(Form12) != Form12->Image2->isVisibleTo(Form12));
            first += Form12->Image1->isVisibleTo(Form12) ? 1 : 0;
            // The corner is black, the middle is banner.
            QVERIFY(!Form12->mask().contains(QPoint(0, 0)));
            QVERIFY(Form12->mask().contains(QPoint(234, 30)));
        }
        QVERIFY(first > 0 && first < 60);
        stopProgram();
    }

    void aboutTextsAndClicks_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("picture") << "Image1";
        QTest::newRow("free area") << "About";
    }
    void aboutTextsAndClicks()
    {
        QFETCH(QString, target);
        ProgramFolder folder;
        startWith(folder, false, false);
        About->show();
        const QStringList about = About->Label1->text().split(QLatin1Char('\n'));
        QCOMPARE(about.size(), 3);
        QCOMPARE(about.at(0), QStringLiteral("Программа \"Dayrail XP\""));
        QVERIFY(about.at(1).startsWith(QStringLiteral("Разработчики: ")));
        QCOMPARE(about.at(2), QStringLiteral("Версия 3.1.2 build 101 "));
        const QStringList contacts = About->Label2->text().split(QLatin1Char('\n'));
        QCOMPARE(contacts.size(), 2);
        QVERIFY(contacts.at(0).startsWith(QStringLiteral("MailTo: ")));
        QVERIFY(contacts.at(0).contains(QStringLiteral("@")) && contacts.at(0).endsWith(QStringLiteral(".example")));
        QVERIFY(contacts.at(1).contains(QStringLiteral(".example")));

        QWidget *widget = target == QLatin1String("About") ? static_cast<QWidget *>(About)
                                                           : About->findChild<QWidget *>(target);
        QVERIFY(widget);
        const QPoint at = target == QLatin1String("About") ? QPoint(362, 178) : QPoint(5, 5);
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QVERIFY(!About->isVisible());
        About->show();
        QCOMPARE(About->Label1->text().split(QLatin1Char('\n')), about);
        stopProgram();
    }
};

QTEST_MAIN(TestSplashAbout)
#include "tst_splashabout.moc"
