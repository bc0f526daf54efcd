// The floating clock window: its frame, its clock, its opacity, hiding on close.
#include "FloatingClockWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

class TestFloatingClock : public QObject {
    Q_OBJECT
private slots:
    void init() { Form10 = new FloatingClockWindow; }
    void cleanup()
    {
        delete Form10;
        Form10 = nullptr;
    }
    void windowAndClockAsSetUp();
    void opensCentredShowsTheTimeAndHidesOnClose();
};

void TestFloatingClock::windowAndClockAsSetUp()
{
    QCOMPARE(Form10->windowTitle(), QStringLiteral("Часы"));
    QCOMPARE(Form10->minimumSize(), QSize(115, 106));
    QCOMPARE(Form10->maximumSize(), QSize(115, 106));
    const Qt::WindowFlags flags = Form10->windowFlags();
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(windowColour(Form10), StoredColour(16776176));

    ClockFace *clock = Form10->findChild<ClockFace *>(QStringLiteral("RxClock1"));
    QVERIFY(clock && clock == Form10->RxClock1);
    QCOMPARE(clock->geometry(), QRect(0, 0, 113, 105));
    QCOMPARE(clock->ShowMode(), scAnalog);
    QVERIFY(clock->AutoSize());
    QVERIFY(clock->ShowSeconds());
    QCOMPARE(clock->dotsColor(), clBlack);
    QCOMPARE(clock->BorderStyle(), bsSingle);
    QCOMPARE(clock->color(), StoredColour(16776176));
    QCOMPARE(clock->fontColor(), toTColor(Form10->palette().color(QPalette::WindowText)));
    QCOMPARE(clock->BevelOuter(), bvRaised);
    QCOMPARE(clock->BevelInner(), bvLowered);
    QCOMPARE(clock->BevelWidth(), 1);
    QVERIFY(clock->timer()->Enabled());
    QCOMPARE(clock->timer()->Interval(), 450u);

    // Opacity: 225 kept while blending is off, applied once it is on.
    QVERIFY(!Form10->Blending.enabled());
    QCOMPARE(Form10->Blending.value(), 225);
    QCOMPARE(Form10->windowOpacity(), 1.0);
    Form10->Blending.setEnabled(true);
    QVERIFY(qAbs(Form10->windowOpacity() - 225 / 255.0) < 0.01);
}

void TestFloatingClock::opensCentredShowsTheTimeAndHidesOnClose()
{
    QTime now(4, 50, 20);
    Form10->RxClock1->SetOnGetTime([&](QObject *, QTime &time) { time = now; });
    Form10->RxClock1->HandleTick();
    Form10->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form10));
    QCoreApplication::processEvents();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((Form10->frameGeometry().center() - screen.center()).manhattanLength() <= 2);

    // The hands are drawn in the font colour on the window's colour.
    const QImage &picture = Form10->RxClock1->picture();
    const QRgb ink = Form10->RxClock1->palette().color(QPalette::WindowText).rgb();
    const QPoint centre = Form10->RxClock1->FaceCentre();
    int inked = 0;
    for (int y = centre.y() - 20; y <= centre.y() + 20; ++y)
        for (int x = centre.x() - 20; x <= centre.x() + 20; ++x)
            inked += picture.pixel(x, y) == ink;
    QVERIFY(inked > 20);
    QCOMPARE(picture.pixel(centre + QPoint(25, -25)), toQColor(16776176).rgb());

    Form10->move(Form10->pos() + QPoint(30, 0));
    const QPoint moved = Form10->pos();
    Form10->close();
    QVERIFY(!Form10->isVisible());
    Form10->show(); // where the user left it, not centred again
    QCOMPARE(Form10->pos(), moved);
}

QTEST_MAIN(TestFloatingClock)
#include "tst_floatingclock.moc"
