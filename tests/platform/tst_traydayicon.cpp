// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The live tray icon: the day drawn on the calendar, the tooltip, and the
// wait until the next day.
#include "platform/TrayDayIcon.h"

#include <QTimeZone>
#include <QtTest>

static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

// Box of the number: the red below the icon's red header.
static QRect numberBox(const QImage &image)
{
    QRect box;
    for (int y = image.height() * 7 / 16; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255 && qRed(image.pixel(x, y)) > 150 &&
                qGreen(image.pixel(x, y)) < 120)
                box |= QRect(x, y, 1, 1);
    return box;
}

class TrayDayIconTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerResources(); }
    void numberFitsThePage_data();
    void numberFitsThePage();
    void textAndMidnight();
};

void TrayDayIconTest::numberFitsThePage_data()
{
    QTest::addColumn<int>("size");
    for (int size : kTrayIconSizes)
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void TrayDayIconTest::numberFitsThePage()
{
    QFETCH(int, size);
    QVERIFY(trayDayIcon(28).availableSizes().contains(QSize(size, size)));
    const QImage wide = trayDayImage(28, size);
    QCOMPARE(wide.size(), QSize(size, size));
    QCOMPARE(qAlpha(wide.pixel(0, 0)), 0); // the icon's shape is kept
    const QRect box = numberBox(wide);
    QVERIFY2(box.height() >= size * 0.28, qPrintable(QString::number(box.height())));
    QVERIFY(box.left() > 0 && box.right() < size - 1 && box.bottom() < size - 1);
    QVERIFY(qAbs(box.center().x() - (size - 1) / 2.0) <= 1.5);
    // The icon's own "31" is gone: a "1" is far narrower.
    QVERIFY(numberBox(trayDayImage(1, size)).width() < box.width() * 0.6);
}

void TrayDayIconTest::textAndMidnight()
{
    QCOMPARE(trayDayToolTip(QDate(2026, 12, 7)), QStringLiteral("Dayrail — 7 декабря 2026 г."));
    QCOMPARE(trayDayToolTip(QDate(2024, 5, 31)), QStringLiteral("Dayrail — 31 мая 2024 г."));
    const QTimeZone utc = QTimeZone::utc();
    QCOMPARE(msecsUntilNextDay(QDateTime(QDate(2026, 1, 1), QTime(23, 59, 59, 999), utc)), 1);
    QCOMPARE(msecsUntilNextDay(QDateTime(QDate(2026, 1, 1), QTime(0, 0), utc)), 86400000);
    const QTimeZone berlin("Europe/Berlin");
    if (berlin.isValid()) // the night that loses an hour
        QCOMPARE(msecsUntilNextDay(QDateTime(QDate(2026, 3, 29), QTime(0, 0), berlin)),
                 23 * 3600000);
}

QTEST_MAIN(TrayDayIconTest)
#include "tst_traydayicon.moc"
