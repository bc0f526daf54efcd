// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's arithmetic: dial, round face, hands, light edge, digital cells.
#include "base/Colours.h"
#include "controls/ClockGeometry.h"

#include <QtTest>
#include <cmath>

using namespace clockgeo;

Q_DECLARE_METATYPE(clockgeo::Rect)

namespace {

ScreenDensity density(int perX, int perY)
{
    ScreenDensity d;
    d.perX = perX;
    d.perY = perY;
    return d;
}

} // namespace

class TestClockGeometry : public QObject {
    Q_OBJECT
private slots:
    void dialOnSquareAndTallPixels();
    void faceIsPhysicallyRound_data();
    void faceIsPhysicallyRound();
    void handIndex_data();
    void handIndex();
    void lightenDotColor_data();
    void lightenDotColor();
    void digitalCells_data();
    void digitalCells();
};

void TestClockGeometry::dialOnSquareAndTallPixels()
{
    const DialTable square = makeDialPoints(ScreenDensity::fromScreen(1280, 1024, 0, 0));
    for (int i = 0; i < 60; ++i) {
        const double angle = i * 6.0 * M_PI / 180.0;
        QVERIFY(std::abs(square[i].x - 8000.0 * std::sin(angle)) <= 1.0);
        QVERIFY(std::abs(square[i].y + 8000.0 * std::cos(angle)) <= 1.0);
    }
    // Pixels taller than wide: fewer of them down, so y shrinks and x stays.
    const ScreenDensity tall = ScreenDensity::fromScreen(1280, 1024, 320, 360);
    QCOMPARE(tall.perX, 400);
    QCOMPARE(tall.perY, 284);
    const DialTable dial = makeDialPoints(tall);
    QCOMPARE(dial[15].x, square[15].x);
    QCOMPARE(dial[30].y, qint16(square[30].y * 284 / 400));
    QCOMPARE(tall.xToY(-401), -284); // toward zero
}

void TestClockGeometry::faceIsPhysicallyRound_data()
{
    QTest::addColumn<Rect>("area");
    QTest::addColumn<int>("perY"); // perX is 400
    QTest::addColumn<Rect>("face");
    QTest::newRow("square, wide area") << Rect{3, 3, 106, 98} << 400 << Rect{7, 3, 102, 98};
    QTest::newRow("square, tall area") << Rect{0, 0, 60, 101} << 400 << Rect{0, 20, 60, 80};
    // Tall pixels: a square control gets a dial lower than wide, centred vertically.
    QTest::newRow("tall pixels") << Rect{0, 0, 100, 100} << 300 << Rect{0, 12, 100, 87};
    QTest::newRow("wide pixels") << Rect{0, 0, 100, 100} << 533 << Rect{12, 0, 87, 100};
}

void TestClockGeometry::faceIsPhysicallyRound()
{
    QFETCH(Rect, area);
    QFETCH(int, perY);
    QTEST(fitFace(area, density(400, perY)), "face");
}

void TestClockGeometry::handIndex_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("hourIndex");
    QTest::newRow("15:30") << QTime(15, 30) << 17;
    QTest::newRow("3:11") << QTime(3, 11) << 15;
    QTest::newRow("3:12") << QTime(3, 12) << 16;
    QTest::newRow("noon") << QTime(12, 0) << 0;
    QTest::newRow("23:59") << QTime(23, 59, 59) << 59;
}

void TestClockGeometry::handIndex()
{
    QFETCH(QTime, time);
    const ShownTime shown = reduceTime(time);
    QTEST(hourHandIndex(shown), "hourIndex");
    QCOMPARE(int(shown.minute), time.minute());

    // Hands on radius 100 pointing at the minute: the tip, and the tail opposite.
    const DialTable dial = makeDialPoints(density(400, 400));
    const auto minute = handLines(dial, QPoint(50, 50), 100, 30, Hand::Minute);
    QCOMPARE(minute[0], QLine(QPoint(45, 50), QPoint(50, 130)));
    QCOMPARE(minute[3], QLine(QPoint(55, 50), QPoint(50, 30)));
    QCOMPARE(secondHandLine(dial, QPoint(10, 10), 101, 45), QLine(10, 10, -70, 10));
}

void TestClockGeometry::lightenDotColor_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QColor>("light");
    QTest::newRow("teal gives aqua (128 to 255)") << colours::teal << colours::aqua;
    QTest::newRow("black stays black") << colours::black << colours::black;
    QTest::newRow("silver gives white") << colours::silver << colours::white;
    QTest::newRow("200 wraps to 71") << QColor(200, 0, 0) << QColor(71, 0, 0);
    QTest::newRow("a full channel gives the highlight")
        << QColor(200, 0, 255) << QColor(0x12, 0x34, 0x56);
}

void TestClockGeometry::lightenDotColor()
{
    QFETCH(QColor, colour);
    QTEST(clockgeo::lightenDotColor(colour, QColor(0x12, 0x34, 0x56)), "light");
}

void TestClockGeometry::digitalCells_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("leadingZero");
    QTest::addColumn<bool>("showSeconds");
    QTest::addColumn<bool>("twelveHour");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cells");
    QTest::addColumn<QVector<int>>("newMinute"); // cells a tick redraws
    const bool on = true, off = false;
    QTest::newRow("9:05:07") << QTime(9, 5, 7) << off << on << off << "9:05:07" << 7
                             << QVector<int>{3, 4, 6, 7};
    QTest::newRow("10:00:00") << QTime(10, 0) << off << on << off << "10:00:00" << 8
                              << QVector<int>{4, 5, 7, 8};
    QTest::newRow("leading zero, no seconds")
        << QTime(9, 5, 7) << on << off << off << "09:05" << 5 << QVector<int>{4, 5};
    QTest::newRow("00:30, 12 h") << QTime(0, 30) << off << on << on << "12:30:00 AM" << 8
                                 << QVector<int>{4, 5, 7, 8};
    QTest::newRow("13:05, 12 h") << QTime(13, 5, 9) << off << off << on << "1:05 PM" << 4
                                 << QVector<int>{3, 4};
}

void TestClockGeometry::digitalCells()
{
    QFETCH(QTime, time);
    QFETCH(bool, leadingZero);
    QFETCH(bool, showSeconds);
    QFETCH(bool, twelveHour);
    QFETCH(QString, text);
    QFETCH(int, cells);
    QFETCH(QVector<int>, newMinute);
    const DigitalReading r = digitalReading(time, leadingZero, showSeconds, twelveHour, "AM", "PM");
    QCOMPARE(r.text, text);
    QCOMPARE(r.cells, cells);
    QCOMPARE(r.suffix, text.mid(cells));
    QCOMPARE(cellsToRedraw(r.twoHourDigits, showSeconds, true, true), newMinute);
    QCOMPARE(cellsToRedraw(r.twoHourDigits, showSeconds, true, false), newMinute.mid(2));
}

QTEST_GUILESS_MAIN(TestClockGeometry)
#include "tst_clockgeometry.moc"
