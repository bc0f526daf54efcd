// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen at start-up, its fade, and About.
#include "tests/support/TestSupport.h"
#include "windows/AboutWindow.h"
#include "windows/SplashScreen.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

int fadeLevel(const QWidget *splash)
{
    return qRound(splash->windowOpacity() * 255);
}

// The offscreen platform complains at every step of the fade; nothing to see.
void quietAboutOpacity(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support setting window")))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

class TestSplashAbout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qInstallMessageHandler(quietAboutOpacity); }
    void cleanupTestCase() { qInstallMessageHandler(nullptr); }

    void playFadesAndSaysWhenDone()
    {
        RecordingDialogs dialogs;
        SplashScreen screen(dialogs);
        QSignalSpy finished(&screen, &SplashScreen::finished);
        QVERIFY(!screen.isVisible());
        screen.play();
        QVERIFY(screen.isVisible());
        QTimer *fade = screen.findChild<QTimer *>();
        QVERIFY(fade->isActive());
        QTRY_VERIFY(fadeLevel(&screen) < 250); // the fade runs once messages are processed
        fade->stop();                          // ticks are driven by hand below
        while (fadeLevel(&screen) > 1)
            screen.fadeStep();
        QVERIFY(screen.isVisible());
        QCOMPARE(finished.size(), 0);
        fade->start();
        screen.fadeStep();
        QVERIFY(!screen.isVisible());
        QVERIFY(!fade->isActive());
        QCOMPARE(finished.size(), 1);
    }

    void oneBannerEitherWayBlackSeeThrough()
    {
        int first = 0;
        for (int run = 0; run < 60; ++run) {
            RecordingDialogs dialogs;
            SplashScreen screen(dialogs);
            const bool firstShown =
                screen.findChild<QWidget *>(QStringLiteral("firstBanner"))->isVisibleTo(&screen);
            QVERIFY(
                firstShown !=
                screen.findChild<QWidget *>(QStringLiteral("secondBanner"))->isVisibleTo(&screen));
            first += firstShown ? 1 : 0;
            // The corner is black, the middle is banner.
            QVERIFY(!screen.mask().contains(QPoint(0, 0)));
            QVERIFY(screen.mask().contains(QPoint(234, 30)));
        }
        QVERIFY(first > 0 && first < 60);
    }

    void aboutTextsAndClicks_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("picture") << "banner";
        QTest::newRow("free area") << "";
    }
    void aboutTextsAndClicks()
    {
        QFETCH(QString, target);
        AboutWindow about;
        about.show();
        const auto lines = [&about](const char *label) {
            return about.findChild<QLabel *>(QLatin1String(label))->text().split(QLatin1Char('\n'));
        };
        const QStringList product = lines("productLabel");
        QCOMPARE(product.size(), 3);
        QCOMPARE(product.at(0), QStringLiteral("Программа \"Dayrail XP\""));
        QVERIFY(product.at(1).startsWith(QStringLiteral("Разработчики: ")));
        QCOMPARE(product.at(2), QStringLiteral("Версия 3.1.2 build 101 "));
        const QStringList contacts = lines("contactsLabel");
        QCOMPARE(contacts.size(), 2);
        QVERIFY(contacts.at(0).startsWith(QStringLiteral("MailTo: ")));
        QVERIFY(contacts.at(0).contains(QStringLiteral("@")) &&
                contacts.at(0).endsWith(QStringLiteral(".example")));
        QVERIFY(contacts.at(1).contains(QStringLiteral(".example")));

        QWidget *widget = target.isEmpty() ? &about : about.findChild<QWidget *>(target);
        QVERIFY(widget);
        const QPoint at = target.isEmpty() ? QPoint(362, 178) : QPoint(5, 5);
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QVERIFY(!about.isVisible());
        about.show();
        QCOMPARE(lines("productLabel"), product);
    }
};

QTEST_MAIN(TestSplashAbout)
#include "tst_splashabout.moc"
