// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock control with an injected time: what a tick draws and repaints,
// the digital cells, the 3-D hour marks, the font fit, the alarm.
#include "base/RussianText.h"
#include "base/TimeChange.h"
#include "controls/ClockFace.h"
#include "platform/ReadableText.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>
#include <memory>

using namespace clockgeo;

namespace {

// A shown clock whose time the test sets; its own timer is off.
class Clock {
public:
    Clock(QTime start, ClockStyle mode, QSize size, bool showSeconds = true) : now(start)
    {
        clock.timer()->setEnabled(false);
        clock.followTimeChanges(timeWatcher);
        clock.setTimeSource([this](QObject *, QTime &time) { time = now; });
        clock.setShowMode(mode);
        clock.setSecondsShown(showSeconds);
        clock.setLeadingZero(false);
        clock.resize(size);
        clock.installEventFilter(&paints);
        clock.tick(); // takes the injected time while not shown
        clock.show();
    }
    bool painted()
    {
        if (!QTest::qWaitForWindowExposed(&clock))
            return false;
        QCoreApplication::processEvents();
        paints.rects.clear();
        return !clock.isFullPaintPending();
    }
    void tickTo(QTime time)
    {
        now = time;
        clock.tick();
    }

    struct PaintLog : QObject {
        QVector<QRect> rects;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                rects << static_cast<QPaintEvent *>(event)->rect();
            return false;
        }
    } paints;
    QTime now;
    SystemTimeWatcher timeWatcher;
    ClockFace clock;
};

ScreenDensity thisScreen()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return ScreenDensity::fromScreen(s->size().width(), s->size().height(),
                                     int(s->physicalSize().width()),
                                     int(s->physicalSize().height()));
}

// Bounding box of the pixels that differ.
QRect changedArea(const QImage &a, const QImage &b)
{
    QRect area;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                area |= QRect(x, y, 1, 1);
    return area;
}

} // namespace

class ClockFaceTest : public QObject {
    Q_OBJECT
private slots:
    void secondTickTouchesOnlyTheSecondHand();
    void analogTicksMatchAFreshPaint_data();
    void analogTicksMatchAFreshPaint();
    void digitalTicksRedrawChangedCells();
    void hourMarks_data();
    void hourMarks();
    void fontFitsTheControl();
    void fullRepaintOnOutsideChanges_data();
    void fullRepaintOnOutsideChanges();
    void alarmFiresOncePerDay_data();
    void alarmFiresOncePerDay();
    void alarmElementsOutOfRange();
    void namedByTheTimeItShows();
    void handsReadOnTheFaceUnderADarkPalette();
    void drawnAtTheScreensPixelRatio();
};

void ClockFaceTest::secondTickTouchesOnlyTheSecondHand()
{
    Clock c(QTime(10, 10, 10), ClockStyle::Analog, QSize(200, 200));
    QVERIFY(c.painted());
    const QImage before = c.clock.picture();
    c.tickTo(QTime(10, 10, 11));
    QCoreApplication::processEvents();

    const DialTable dial = makeDialPoints(thisScreen());
    const QRect hands =
        lineBounds(secondHandLine(dial, c.clock.faceCentre(), c.clock.faceRadius(), 10)) |
        lineBounds(secondHandLine(dial, c.clock.faceCentre(), c.clock.faceRadius(), 11));
    QCOMPARE(c.clock.lastTickArea(), hands);
    const QRect changed = changedArea(before, c.clock.picture());
    QVERIFY(!changed.isEmpty());
    QVERIFY(hands.contains(changed));
    QVERIFY(!c.paints.rects.isEmpty());
    for (const QRect &r : c.paints.rects)
        QVERIFY2(hands.contains(r), "a tick repainted more than the second hand");
}

void ClockFaceTest::analogTicksMatchAFreshPaint_data()
{
    QTest::addColumn<QTime>("from");
    QTest::addColumn<QTime>("to");
    QTest::addColumn<bool>("showSeconds");
    QTest::addColumn<bool>("hidden"); // during the tick
    QTest::newRow("second") << QTime(10, 10, 10) << QTime(10, 10, 11) << true << false;
    QTest::newRow("minute") << QTime(10, 10, 59) << QTime(10, 11, 0) << true << false;
    QTest::newRow("hour hand steps") << QTime(3, 11, 59) << QTime(3, 12, 0) << true << false;
    QTest::newRow("hour") << QTime(22, 59, 59) << QTime(23, 0, 0) << true << false;
    QTest::newRow("clock set back, same second")
        << QTime(10, 10, 10) << QTime(8, 45, 10) << true << false;
    QTest::newRow("minute, no second hand")
        << QTime(10, 10, 59) << QTime(10, 11, 0) << false << false;
    QTest::newRow("second, no second hand")
        << QTime(10, 10, 10) << QTime(10, 10, 11) << false << false;
    QTest::newRow("hidden") << QTime(10, 10, 10) << QTime(10, 20, 30) << true << true;
}

void ClockFaceTest::analogTicksMatchAFreshPaint()
{
    // Erasing by inversion and by the background must leave exactly what a
    // full paint of the new time draws.
    QFETCH(QTime, from);
    QFETCH(QTime, to);
    QFETCH(bool, showSeconds);
    QFETCH(bool, hidden);
    Clock ticked(from, ClockStyle::Analog, QSize(160, 150), showSeconds);
    QVERIFY(ticked.painted());
    const QImage before = ticked.clock.picture();
    ticked.clock.setHidden(hidden);
    ticked.tickTo(to);
    QCOMPARE(ticked.clock.shownTime(), reduceTime(to));
    QCOMPARE(ticked.clock.lastTickArea().isEmpty(),
             hidden || (!showSeconds && from.minute() == to.minute()));
    if (hidden) {
        QCOMPARE(ticked.clock.picture(), before); // drawn afresh when shown
        ticked.clock.show();
        QVERIFY(ticked.painted());
    }
    Clock fresh(to, ClockStyle::Analog, QSize(160, 150), showSeconds);
    QVERIFY(fresh.painted());
    QCOMPARE(ticked.clock.picture(), fresh.clock.picture());
}

void ClockFaceTest::digitalTicksRedrawChangedCells()
{
    Clock c(QTime(9, 5, 7), ClockStyle::Digital, QSize(220, 60));
    QVERIFY(c.painted());
    const QFontMetrics fm(c.clock.font());
    const int cell = fm.horizontalAdvance(QLatin1Char('8'));

    QImage before = c.clock.picture();
    c.tickTo(QTime(9, 5, 8));
    QCOMPARE(c.clock.lastTickArea().size(), QSize(2 * cell, fm.height()));
    QVERIFY(c.clock.lastTickArea().contains(changedArea(before, c.clock.picture())));
    QCoreApplication::processEvents();
    for (const QRect &r : c.paints.rects)
        QVERIFY(c.clock.lastTickArea().contains(r));

    // A new minute: minutes and seconds, with the colon between them untouched.
    before = c.clock.picture();
    c.tickTo(QTime(9, 6, 0));
    const QRect area = c.clock.lastTickArea();
    QCOMPARE(area.width(), 5 * cell);
    const QRect colon(area.left() + 2 * cell, area.top(), cell, area.height());
    QCOMPARE(c.clock.picture().copy(colon), before.copy(colon));
    Clock fresh(QTime(9, 6, 0), ClockStyle::Digital, QSize(220, 60));
    QVERIFY(fresh.painted());
    QCOMPARE(c.clock.picture(), fresh.clock.picture());

    // A new hour moves the whole line: a full paint, nothing drawn by the tick.
    before = c.clock.picture();
    c.tickTo(QTime(10, 0, 0));
    QVERIFY(c.clock.lastTickArea().isEmpty());
    QVERIFY(c.clock.isFullPaintPending());
    QCOMPARE(c.clock.picture(), before);
    QCoreApplication::processEvents();
    QVERIFY(!c.clock.isFullPaintPending());
}

void ClockFaceTest::hourMarks_data()
{
    QTest::addColumn<QColor>("dots");
    QTest::addColumn<bool>("threeD");
    QTest::addColumn<QColor>("edge");
    QTest::addColumn<QColor>("body");
    const QPalette pal;
    QTest::newRow("teal, 3-D") << colours::teal << true << colours::aqua << colours::teal;
    QTest::newRow("white, 3-D") << colours::white << true << pal.color(QPalette::Light)
                                << colours::white;
    QTest::newRow("teal, flat") << colours::teal << false << pal.color(QPalette::WindowText)
                                << pal.color(QPalette::WindowText);
}

void ClockFaceTest::hourMarks()
{
    QFETCH(QColor, dots);
    QFETCH(bool, threeD);
    QFETCH(QColor, edge);
    QFETCH(QColor, body);
    Clock c(QTime(10, 10, 10), ClockStyle::Analog, QSize(400, 400));
    c.clock.setDotsColor(dots);
    c.clock.set3D(threeD);
    QVERIFY(c.painted());
    const DialLayout layout = dialLayout(c.clock.faceRect(), thisScreen());
    QVERIFY(layout.bigMarks);
    // The mark at six o'clock: no hand crosses it at 10:10:10.
    const QRect mark = hourMarkRect(makeDialPoints(thisScreen()), layout, 30).toRect();
    const QImage &pic = c.clock.picture();
    QCOMPARE(pic.pixel(mark.topLeft()), edge.rgb());
    QCOMPARE(pic.pixel(mark.center()), body.rgb());
    const QColor frame = threeD ? c.clock.palette().color(QPalette::Shadow) : body;
    QCOMPARE(pic.pixel(mark.bottomRight()), frame.rgb());
}

void ClockFaceTest::fontFitsTheControl()
{
    Clock c(QTime(10, 10, 10), ClockStyle::Digital, QSize(300, 200));
    c.clock.setAutoSize(true);
    const int withSeconds = c.clock.font().pixelSize();
    QVERIFY(withSeconds > 20 && withSeconds < (200 - 4) * 4 / 5); // the width limits it here
    c.clock.setSecondsShown(false); // a shorter sample takes a larger font...
    QVERIFY(c.clock.font().pixelSize() > withSeconds);
    c.clock.resize(300, 30); // ...and a lower control a smaller one: (30 - 4) * 4 / 5
    QCOMPARE(c.clock.font().pixelSize(), 21);
    c.clock.resize(300, 4); // no room for text: the font stays
    QCOMPARE(c.clock.font().pixelSize(), 21);
}

void ClockFaceTest::fullRepaintOnOutsideChanges_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("regional settings") << 0;
    QTest::newRow("system time") << 1;
    QTest::newRow("colour") << 2;
}

void ClockFaceTest::fullRepaintOnOutsideChanges()
{
    QFETCH(int, change);
    Clock c(QTime(10, 10, 10), ClockStyle::Digital, QSize(200, 60));
    QVERIFY(c.painted());
    switch (change) {
    case 0: c.clock.setLocale(QLocale(QLocale::English)); break;
    case 1: c.timeWatcher.notifyChanged(); break;
    default: c.clock.setColor(colours::silver); break;
    }
    QVERIFY(c.clock.isFullPaintPending());
    QCoreApplication::processEvents();
    QVERIFY(!c.clock.isFullPaintPending());
    QVERIFY(!c.paints.rects.isEmpty());
    QCOMPARE(c.paints.rects.last(), c.clock.rect());
}

void ClockFaceTest::alarmFiresOncePerDay_data()
{
    QTest::addColumn<QTime>("alarm");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QVector<QTime>>("times");
    QTest::addColumn<QVector<int>>("fires"); // which checks raise the alarm
    const QVector<QTime> day = {QTime(7, 30, 0),  QTime(7, 30, 15), QTime(7, 30, 40),
                                QTime(7, 31, 0),  QTime(12, 0, 0),  QTime(0, 0, 1),
                                QTime(7, 30, 59), QTime(7, 30, 59)};
    QTest::newRow("07:30:15") << QTime(7, 30, 15) << true << day << QVector<int>{1, 6};
    QTest::newRow("disabled") << QTime(7, 30, 15) << false << day << QVector<int>{};
    QTest::newRow("midnight") << QTime(0, 0, 0) << true
                              << QVector<QTime>{QTime(23, 59, 59), QTime(0, 0, 0), QTime(0, 0, 30),
                                                QTime(0, 1, 0), QTime(0, 0, 10)}
                              << QVector<int>{1, 4};
    QTest::newRow("set during its minute")
        << QTime(7, 30, 15) << true << QVector<QTime>{QTime(7, 30, 50), QTime(7, 30, 55)}
        << QVector<int>{};
}

void ClockFaceTest::alarmFiresOncePerDay()
{
    QFETCH(QTime, alarm);
    QFETCH(bool, enabled);
    QFETCH(QVector<QTime>, times);
    QFETCH(QVector<int>, fires);
    Clock c(times.first(), ClockStyle::Analog, QSize(100, 100));
    QVector<int> fired;
    int check = 0;
    QObject::connect(&c.clock, &ClockFace::alarmTriggered, [&] { fired << check; });
    c.clock.setAlarmHour(alarm.hour());
    c.clock.setAlarmMinute(alarm.minute());
    c.clock.setAlarmSecond(alarm.second());
    c.clock.setAlarmEnabled(enabled);
    for (check = 0; check < times.size(); ++check) {
        c.now = times[check];
        // Every tick tests the alarm, and so does a change of the system time.
        if (check % 2)
            c.clock.tick();
        else
            c.clock.handleSystemTimeChange();
    }
    QCOMPARE(fired, fires);
}

void ClockFaceTest::alarmElementsOutOfRange()
{
    Clock c(QTime(12, 0, 0), ClockStyle::Analog, QSize(100, 100));
    const auto refused = [&](void (ClockFace::*set)(int), int value, const char *shown) {
        const QTime kept = c.clock.alarmTime();
        try {
            (c.clock.*set)(value);
        } catch (const ConvertError &e) {
            QCOMPARE(e.text(), QStringLiteral("Неправильное время: ") + QLatin1String(shown));
            QCOMPARE(c.clock.alarmTime(), kept);
            return;
        }
        QFAIL(shown);
    };
    refused(&ClockFace::setAlarmHour, 24, "24:0:0");
    c.clock.setAlarmHour(7);
    c.clock.setAlarmMinute(30);
    c.clock.setAlarmSecond(15);
    QCOMPARE(c.clock.alarmTime(), QTime(7, 30, 15));
    refused(&ClockFace::setAlarmMinute, 60, "7:60:15");
    refused(&ClockFace::setAlarmSecond, 60, "7:30:60");
    refused(&ClockFace::setAlarmMinute, -1, "7:-1:15");
}

void ClockFaceTest::namedByTheTimeItShows()
{
    // What a screen reader reads: the time as the digital line would show it,
    // in either mode, following the ticks and the format.
    Clock c(QTime(9, 5, 7), ClockStyle::Analog, QSize(100, 100));
    QCOMPARE(c.clock.accessibleName(), QStringLiteral("9:05:07"));
    c.tickTo(QTime(9, 5, 8));
    QCOMPARE(c.clock.accessibleName(), QStringLiteral("9:05:08"));
    c.clock.setSecondsShown(false);
    c.clock.setTwelveHour(true);
    c.clock.setShowMode(ClockStyle::Digital);
    c.tickTo(QTime(21, 6, 0));
    QCOMPARE(c.clock.accessibleName(), QStringLiteral("9:06 ") + russianLocale().pmText());
    // A change of the system time renames at once, without waiting for a tick.
    c.now = QTime(10, 0, 0);
    c.timeWatcher.notifyChanged();
    QCOMPARE(c.clock.accessibleName(), QStringLiteral("10:00 ") + russianLocale().amText());
}

void ClockFaceTest::handsReadOnTheFaceUnderADarkPalette()
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x1E, 0x1E, 0x1E)));
    const QColor face(240, 251, 255);
    Clock c(QTime(10, 10, 10), ClockStyle::Analog, QSize(400, 400), false);
    c.clock.setColor(face);
    c.clock.set3D(false);
    QVERIFY(c.painted());
    const QImage &pic = c.clock.picture();
    const DialTable dial = makeDialPoints(thisScreen());
    const QPoint centre = c.clock.faceCentre();
    for (const Hand hand : {Hand::Hour, Hand::Minute}) {
        const int index = hand == Hand::Hour ? hourHandIndex(c.clock.shownTime()) : 10;
        const QLine line = handLines(dial, centre, c.clock.faceRadius(), index, hand).front();
        QVERIFY(contrastRatio(pic.pixel(line.center()), face) >= 4.5);
    }
    const QRect mark =
        hourMarkRect(dial, dialLayout(c.clock.faceRect(), thisScreen()), 30).toRect();
    QVERIFY(contrastRatio(pic.pixel(mark.center()), face) >= 4.5);
    QApplication::setPalette(before);
}

// On the second screen, at twice the pixels: the picture has them all, and
// a full paint starts from a clean picture even under translucent shades.
void ClockFaceTest::drawnAtTheScreensPixelRatio()
{
    QScreen *twice = QGuiApplication::screens().value(1);
    QVERIFY(twice && twice->devicePixelRatio() == 2);
    Clock c(QTime(10, 10, 10), ClockStyle::Analog, QSize(113, 105));
    c.clock.setBorderStyle(ClockBorder::Single);
    QPalette pal = c.clock.palette();
    const QColor shade(0, 0, 0, 60);
    pal.setColor(QPalette::Dark, shade);
    c.clock.setPalette(pal);
    c.clock.windowHandle()->setScreen(twice);
    QVERIFY(c.painted());
    const QImage first = c.clock.picture();
    QCOMPARE(first.size(), c.clock.size() * 2);
    QCOMPARE(first.devicePixelRatio(), 2.0);

    QImage expected(1, 1, QImage::Format_RGB32);
    expected.fill(c.clock.color());
    QPainter(&expected).fillRect(expected.rect(), shade);
    // The top edge beside the corner, one shade deep.
    QCOMPARE(first.pixel(3, 1), expected.pixel(0, 0));
    c.clock.invalidate();
    QVERIFY(c.painted());
    QCOMPARE(c.clock.picture(), first);
}

// A second screen at a pixel ratio of 2, besides the usual one.
int main(int argc, char **argv)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [
        {"name": "one", "x": 0, "y": 0, "width": 800, "height": 600, "dpr": 1},
        {"name": "two", "x": 800, "y": 0, "width": 800, "height": 600, "dpr": 2}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    ClockFaceTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_clockface.moc"
