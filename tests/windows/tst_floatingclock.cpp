// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The floating clock window: its frame, its clock, its opacity, ticking only
// while shown, hiding on close.
#include "controls/ClockFace.h"
#include "core/CalendarModel.h"
#include "platform/Widgets.h"
#include "tests/support/FakeServices.h"
#include "tests/support/TestSupport.h"
#include "windows/FloatingClockWindow.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>
#include <memory>

class TestFloatingClock : public QObject {
    Q_OBJECT
    CalendarModel m_model;
    FakeServices m_services;
    std::unique_ptr<FloatingClockWindow> m_window;
    ClockFace *m_clock = nullptr;

private slots:
    void init()
    {
        m_services.calls.clear();
        m_services.visible.clear();
        m_window = std::make_unique<FloatingClockWindow>(m_model, m_services);
        m_clock = m_window->findChild<ClockFace *>(QStringLiteral("clock"));
        QVERIFY(m_clock);
    }
    void cleanup() { m_window.reset(); }
    void windowAndClockAsSetUp();
    void opacityFollowsTheSettings();
    void opensCentredTicksWhileShownAndHidesOnClose();
    void escapeLeadsBackToAHiddenMainWindow_data();
    void escapeLeadsBackToAHiddenMainWindow();
};

void TestFloatingClock::windowAndClockAsSetUp()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Часы"));
    QCOMPARE(m_window->minimumSize(), QSize(115, 106));
    QCOMPARE(m_window->maximumSize(), QSize(115, 106));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(windowColour(m_window.get()), QColor(240, 251, 255));

    QCOMPARE(m_clock->geometry(), QRect(0, 0, 113, 105));
    QCOMPARE(m_clock->showMode(), ClockStyle::Analog);
    QVERIFY(m_clock->autoSize());
    QVERIFY(m_clock->secondsShown());
    QCOMPARE(m_clock->dotsColor(), colours::black);
    QCOMPARE(m_clock->borderStyle(), ClockBorder::Single);
    QCOMPARE(m_clock->color(), QColor(240, 251, 255));
    QCOMPARE(m_clock->fontColor(), m_window->palette().color(QPalette::WindowText));
    QCOMPARE(m_clock->outerBevel(), PanelBevel::Raised);
    QCOMPARE(m_clock->innerBevel(), PanelBevel::Lowered);
    QCOMPARE(m_clock->bevelWidth(), 1);
    QCOMPARE(m_clock->timer()->interval(), 450u);
    // Read as the time it shows, headed «Часы».
    QCOMPARE(m_clock->accessibleDescription(), QStringLiteral("Часы"));
    QVERIFY(!m_clock->accessibleName().isEmpty());

    // The clock only reports a failed tick; the window shows it.
    RecordingDialogs &dialogs = m_services.recorded;
    dialogs.clear();
    m_clock->timer()->setTickHandler([](QObject *) { throw DayrailError(QStringLiteral("сбой")); });
    m_clock->timer()->setEnabled(true);
    QTRY_VERIFY(!dialogs.errors.isEmpty());
    QCOMPARE(dialogs.errors.first(), QStringLiteral("сбой"));
}

void TestFloatingClock::opacityFollowsTheSettings()
{
    const auto level = [this] { return qRound(m_window->windowOpacity() * 255); };
    QCOMPARE(level(), 255);
    // Switched on at full level: the clock keeps its own 225.
    m_model.setOpacity(OpacityWindow::FloatingClock, {true, 255});
    QCOMPARE(level(), 225);
    m_model.setOpacity(OpacityWindow::FloatingClock, {true, 128});
    QCOMPARE(level(), 128);
    m_model.setOpacity(OpacityWindow::FloatingClock, {false, 128});
    QCOMPARE(level(), 255);
    // Another window's setting is none of its business.
    m_model.setOpacity(OpacityWindow::OneMonth, {true, 10});
    QCOMPARE(level(), 255);
}

void TestFloatingClock::opensCentredTicksWhileShownAndHidesOnClose()
{
    // The face shows the program's clock, as the time lines do.
    m_services.time.setTime(QTime(4, 50, 20));
    QCOMPARE(m_clock->currentTime(), QTime(4, 50, 20));
    QVERIFY(!m_clock->timer()->isEnabled()); // hidden: no ticks
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCoreApplication::processEvents();
    QVERIFY(m_clock->timer()->isEnabled());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((m_window->frameGeometry().center() - screen.center()).manhattanLength() <= 2);

    // The hands are drawn in the font colour on the window's colour.
    const QImage &picture = m_clock->picture();
    const QRgb ink = m_clock->palette().color(QPalette::WindowText).rgb();
    const QPoint centre = m_clock->faceCentre();
    int inked = 0;
    for (int y = centre.y() - 20; y <= centre.y() + 20; ++y)
        for (int x = centre.x() - 20; x <= centre.x() + 20; ++x)
            inked += picture.pixel(x, y) == ink;
    QVERIFY(inked > 20);
    QCOMPARE(picture.pixel(centre + QPoint(25, -25)), qRgb(240, 251, 255));

    m_window->move(m_window->pos() + QPoint(30, 0));
    const QPoint moved = m_window->pos();
    m_window->close();
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_clock->timer()->isEnabled());
    QCOMPARE(m_services.calls,
             QStringList{QStringLiteral("reachable %1").arg(int(WindowRole::FloatingClock))});

    // Shown again: where the user left it, and at the time of now at once.
    m_services.time.setTime(QTime(9, 15, 40));
    m_window->show();
    QCOMPARE(m_window->pos(), moved);
    QVERIFY(m_clock->shownTime() == clockgeo::reduceTime(m_services.time.time()));
    QVERIFY(m_clock->timer()->isEnabled());
}

void TestFloatingClock::escapeLeadsBackToAHiddenMainWindow_data()
{
    QTest::addColumn<bool>("mainShown");
    QTest::addColumn<QStringList>("calls");
    const QString reachable = QStringLiteral("reachable %1").arg(int(WindowRole::FloatingClock));
    QTest::newRow("beside the main window") << true << QStringList{reachable};
    QTest::newRow("clock-only view") << false << QStringList{"main", reachable};
}

void TestFloatingClock::escapeLeadsBackToAHiddenMainWindow()
{
    QFETCH(bool, mainShown);
    QFETCH(QStringList, calls);
    if (mainShown)
        m_services.visible << WindowRole::Main;
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    QVERIFY(m_window->isHidden());
    QCOMPARE(m_services.calls, calls);
}

QTEST_MAIN(TestFloatingClock)
#include "tst_floatingclock.moc"
