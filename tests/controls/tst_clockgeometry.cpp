// The clock's arithmetic: dial, face, hands, marks, digital cells, font fit, alarm.
#include "ClockGeometry.h"

#include <QtTest>
#include <cmath>

using namespace clockgeo;

Q_DECLARE_METATYPE(clockgeo::TRect)

namespace {

ScreenDensity density(int perX, int perY, int widthPixels = 800)
{
    ScreenDensity d;
    d.perX = perX;
    d.perY = perY;
    d.widthPixels = widthPixels;
    return d;
}

} // namespace

class TestClockGeometry : public QObject {
    Q_OBJECT
private slots:
    void dialPointsOnSquareAndTallPixels();
    void screenWithoutPhysicalSizeHasSquarePixels();
    void faceIsPhysicallyRound_data();
    void faceIsPhysicallyRound();
    void handIndex_data();
    void handIndex();
    void handsAndMarks();
    void lightenDotColor_data();
    void lightenDotColor();
    void digitalReading_data();
    void digitalReading();
    void cellsRedrawnByATick_data();
    void cellsRedrawnByATick();
    void fontFit_data();
    void fontFit();
    void alarmMinute_data();
    void alarmMinute();
};

void TestClockGeometry::dialPointsOnSquareAndTallPixels()
{
    const DialTable square = makeDialPoints(density(378, 378));
    for (int i = 0; i < 60; ++i) {
        const double angle = i * 6.0 * M_PI / 180.0;
        QVERIFY2(std::abs(square[i].x - 8000.0 * std::sin(angle)) <= 1.0, qPrintable(QString::number(i)));
        QVERIFY2(std::abs(square[i].y + 8000.0 * std::cos(angle)) <= 1.0, qPrintable(QString::number(i)));
    }
    QVERIFY(std::abs(square[0].y + 8000) <= 1 && square[0].x == 0);
    QVERIFY(square[15].x == 8000 && square[15].y == 0);

    // Pixels taller than wide: fewer of them down, so y shrinks and x stays.
    const DialTable tall = makeDialPoints(density(400, 300));
    QCOMPARE(tall[15].x, square[15].x);
    QCOMPARE(tall[30].y, qint16(square[30].y * 300 / 400));
    QCOMPARE(tall[0].y, qint16(square[0].y * 300 / 400));
}

void TestClockGeometry::screenWithoutPhysicalSizeHasSquarePixels()
{
    const ScreenDensity unknown = ScreenDensity::fromScreen(1280, 1024, 0, 0);
    QCOMPARE(unknown.XToY(1000), 1000);
    QCOMPARE(unknown.widthPixels, 1280);
    const ScreenDensity real = ScreenDensity::fromScreen(1280, 1024, 320, 270);
    QCOMPARE(real.perX, 400);
    QCOMPARE(real.perY, 379);
    QCOMPARE(real.XToY(-401), -379); // truncates toward zero
}

void TestClockGeometry::faceIsPhysicallyRound_data()
{
    QTest::addColumn<TRect>("area");
    QTest::addColumn<int>("perX");
    QTest::addColumn<int>("perY");
    QTest::addColumn<TRect>("face");
    QTest::newRow("square pixels, square area") << TRect{0, 0, 100, 100} << 100 << 100 << TRect{0, 0, 100, 100};
    QTest::newRow("square pixels, wide area") << TRect{3, 3, 106, 98} << 100 << 100 << TRect{7, 3, 102, 98};
    QTest::newRow("square pixels, tall area") << TRect{0, 0, 60, 101} << 100 << 100 << TRect{0, 20, 60, 80};
    // Tall pixels: the dial is fewer pixels high than wide, centred vertically.
    QTest::newRow("tall pixels, square area") << TRect{0, 0, 100, 100} << 400 << 300 << TRect{0, 12, 100, 87};
    QTest::newRow("wide pixels, square area") << TRect{0, 0, 100, 100} << 300 << 400 << TRect{12, 0, 87, 100};
}

void TestClockGeometry::faceIsPhysicallyRound()
{
    QFETCH(TRect, area);
    QFETCH(int, perX);
    QFETCH(int, perY);
    QFETCH(TRect, face);
    QCOMPARE(FitFace(area, density(perX, perY)), face);
}

void TestClockGeometry::handIndex_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("shownHour");
    QTest::addColumn<int>("hourIndex");
    QTest::newRow("15:30") << QTime(15, 30) << 3 << 17;
    QTest::newRow("3:11") << QTime(3, 11) << 3 << 15;
    QTest::newRow("3:12") << QTime(3, 12) << 3 << 16;
    QTest::newRow("noon") << QTime(12, 0) << 0 << 0;
    QTest::newRow("23:59") << QTime(23, 59, 59) << 11 << 59;
}

void TestClockGeometry::handIndex()
{
    QFETCH(QTime, time);
    QFETCH(int, shownHour);
    QFETCH(int, hourIndex);
    const ShownTime shown = reduceTime(time);
    QCOMPARE(int(shown.hour), shownHour);
    QCOMPARE(int(shown.minute), time.minute());
    QCOMPARE(HourHandIndex(shown), hourIndex);
}

void TestClockGeometry::handsAndMarks()
{
    const ScreenDensity d = density(100, 100, 800);
    const DialTable dial = makeDialPoints(d);

    // Small face: marks clamp to 2 x 1 and no minute marks.
    const DialLayout small = dialLayout(TRect{7, 3, 102, 98}, d);
    QCOMPARE(small.markWidth, 2);
    QCOMPARE(small.markHeight, 2); // from a = 2 before clamping
    QVERIFY(!small.bigMarks);
    QCOMPARE(small.radius, 46);
    QCOMPARE(small.centre, QPoint(8 + 46, 4 + 46));

    const DialLayout big = dialLayout(TRect{0, 0, 400, 400}, d);
    QCOMPARE(big.markWidth, 12);
    QVERIFY(big.bigMarks);
    QCOMPARE(big.radius, 194);
    QCOMPARE(big.centre, QPoint(200, 200));
    const TRect twelve = hourMarkRect(dial, big, 0);
    QCOMPARE(twelve.width(), 12);
    QCOMPARE(twelve, (TRect{194, 0, 206, 12}));

    // The hour hand at three o'clock on radius 100: a kite from tail to tip.
    const auto hour = handLines(dial, QPoint(0, 0), 100, 15, Hand::Hour);
    QCOMPARE(hour[0], QLine(QPoint(0, 7), QPoint(60, 0)));
    QCOMPARE(hour[1], QLine(QPoint(0, -7), QPoint(60, 0)));
    QCOMPARE(hour[2], QLine(QPoint(0, 7), QPoint(-15, 0)));
    QCOMPARE(hour[3], QLine(QPoint(0, -7), QPoint(-15, 0)));
    const auto minute = handLines(dial, QPoint(50, 50), 100, 30, Hand::Minute);
    QCOMPARE(minute[0].p2(), QPoint(50, 130));
    QCOMPARE(minute[2].p2(), QPoint(50, 30));
    QCOMPARE(secondHandLine(dial, QPoint(10, 10), 101, 45), QLine(QPoint(10, 10), QPoint(-70, 10)));
    QCOMPARE(lineBounds(QLine(5, 9, 2, 1)), QRect(2, 1, 4, 9));
}

void TestClockGeometry::lightenDotColor_data()
{
    QTest::addColumn<TColor>("colour");
    QTest::addColumn<TColor>("light");
    const TColor highlight = 0x123456; // unlike any result of the arithmetic
    QTest::newRow("teal gives aqua") << clTeal << clAqua;
    QTest::newRow("black stays black") << clBlack << clBlack;
    QTest::newRow("silver gives white") << clSilver << clWhite;
    QTest::newRow("200 wraps to 71") << TColor(0x0000C8) << TColor(0x000047);
    QTest::newRow("a full channel gives the highlight") << clWhite << highlight;
    QTest::newRow("full blue after others") << TColor(0xFF00C8) << highlight;
}

void TestClockGeometry::lightenDotColor()
{
    QFETCH(TColor, colour);
    QFETCH(TColor, light);
    QCOMPARE(LightenDotColor(colour, 0x123456), light);
}

void TestClockGeometry::digitalReading_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("leadingZero");
    QTest::addColumn<bool>("showSeconds");
    QTest::addColumn<bool>("twelveHour");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cells");
    QTest::newRow("9:05:07") << QTime(9, 5, 7) << false << true << false << "9:05:07" << 7;
    QTest::newRow("10:00:00") << QTime(10, 0, 0) << false << true << false << "10:00:00" << 8;
    QTest::newRow("leading zero") << QTime(9, 5, 7) << true << true << false << "09:05:07" << 8;
    QTest::newRow("no seconds") << QTime(9, 5, 7) << false << false << false << "9:05" << 4;
    QTest::newRow("half past midnight, 12 h") << QTime(0, 30) << false << true << true << "12:30:00 AM" << 8;
    QTest::newRow("12 h without seconds") << QTime(0, 30) << false << false << true << "12:30 AM" << 5;
    QTest::newRow("afternoon, 12 h") << QTime(13, 5, 9) << false << true << true << "1:05:09 PM" << 7;
    QTest::newRow("noon, 12 h") << QTime(12, 0) << true << false << true << "12:00 PM" << 5;
}

void TestClockGeometry::digitalReading()
{
    QFETCH(QTime, time);
    QFETCH(bool, leadingZero);
    QFETCH(bool, showSeconds);
    QFETCH(bool, twelveHour);
    QFETCH(QString, text);
    QFETCH(int, cells);
    const DigitalReading r = clockgeo::digitalReading(time, leadingZero, showSeconds, twelveHour,
                                                      QStringLiteral("AM"), QStringLiteral("PM"));
    QCOMPARE(r.text, text);
    QCOMPARE(r.cells, cells);
    QCOMPARE(r.suffix, text.mid(cells));
    QCOMPARE(r.twoHourDigits, text.indexOf(QLatin1Char(':')) == 2);
}

void TestClockGeometry::cellsRedrawnByATick_data()
{
    QTest::addColumn<bool>("twoHourDigits");
    QTest::addColumn<bool>("showSeconds");
    QTest::addColumn<bool>("secondChanged");
    QTest::addColumn<bool>("minuteChanged");
    QTest::addColumn<QVector<int>>("cells");
    QTest::newRow("seconds, hh") << true << true << true << false << QVector<int>{7, 8};
    QTest::newRow("seconds, h") << false << true << true << false << QVector<int>{6, 7};
    QTest::newRow("minute, hh") << true << true << true << true << QVector<int>{4, 5, 7, 8};
    QTest::newRow("minute, h") << false << true << true << true << QVector<int>{3, 4, 6, 7};
    QTest::newRow("minute, no seconds") << true << false << true << true << QVector<int>{4, 5};
    QTest::newRow("second, no seconds") << true << false << true << false << QVector<int>{};
    QTest::newRow("nothing") << true << true << false << false << QVector<int>{};
}

void TestClockGeometry::cellsRedrawnByATick()
{
    QFETCH(bool, twoHourDigits);
    QFETCH(bool, showSeconds);
    QFETCH(bool, secondChanged);
    QFETCH(bool, minuteChanged);
    QFETCH(QVector<int>, cells);
    QCOMPARE(cellsToRedraw(twoHourDigits, showSeconds, secondChanged, minuteChanged), cells);
}

void TestClockGeometry::fontFit_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("sampleWidth");
    QTest::addColumn<int>("fitted"); // 0: left alone
    QTest::newRow("limited by height") << 400 << 54 << 4000 << 40;
    QTest::newRow("limited by width") << 130 << 200 << 5000 << 20;
    QTest::newRow("rounded to nearest") << 400 << 6 << 100 << 2;
    QTest::newRow("4 pixels high") << 400 << 4 << 4000 << 0;
    QTest::newRow("30 pixels wide") << 30 << 100 << 4000 << 0;
}

void TestClockGeometry::fontFit()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, sampleWidth);
    QFETCH(int, fitted);
    QCOMPARE(fitFontHeight(width, height, sampleWidth).value_or(0), fitted);

    QCOMPARE(fitFontSample(true, false, "AM", 2, "PM", 2), QStringLiteral("88888888"));
    QCOMPARE(fitFontSample(false, true, "AM", 2, "PM", 2), QStringLiteral("88888 PM"));
    QCOMPARE(fitFontSample(false, true, "утра", 5, "вечера", 3), QStringLiteral("88888 утра"));
}

void TestClockGeometry::alarmMinute_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("matches");
    QTest::addColumn<bool>("rearmed");
    // The alarm is 07:30:15.
    QTest::newRow("second before") << QTime(7, 30, 14) << false << true;
    QTest::newRow("its second") << QTime(7, 30, 15) << true << false;
    QTest::newRow("end of its minute") << QTime(7, 30, 59, 999) << true << false;
    QTest::newRow("next minute") << QTime(7, 31, 0) << false << false;
    QTest::newRow("same minute, other hour") << QTime(19, 30, 20) << false << false;
    QTest::newRow("after midnight") << QTime(0, 0, 1) << false << true;
}

void TestClockGeometry::alarmMinute()
{
    QFETCH(QTime, now);
    QFETCH(bool, matches);
    QFETCH(bool, rearmed);
    const QTime alarm(7, 30, 15);
    QCOMPARE(AlarmMatches(alarm, now), matches);
    QCOMPARE(alarmRearmed(alarm, now), rearmed);
    QVERIFY(alarmRearmed(QTime(0, 0), now)); // midnight is always armed again
}

QTEST_GUILESS_MAIN(TestClockGeometry)
#include "tst_clockgeometry.moc"
