// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The size of a window's image on the printed page for the three print scales.
#include "base/PrintScale.h"

#include <QtTest>

class PrintScaleTest : public QObject {
    Q_OBJECT
private slots:
    void sizeOnPage_data();
    void sizeOnPage();
};

void PrintScaleTest::sizeOnPage_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QSize>("printable");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QSize>("expected");
    const QSize copy(793, 553), cube(874, 866);
    // A4 at 600 dpi less 1/4 inch margins: portrait 4660 x 6866, ratio 0.68.
    const QSize a4Portrait(4660, 6866), a4Landscape(6866, 4660);
    QTest::newRow("none: one dot per pixel")
        << int(PrintScaling::None) << copy << a4Landscape << 600 << copy;
    QTest::newRow("proportional: on-screen size at 600 dpi")
        << int(PrintScaling::Proportional) << copy << a4Landscape << 600 << QSize(4956, 3456);
    QTest::newRow("proportional at 300 dpi rounds")
        << int(PrintScaling::Proportional) << QSize(7, 5) << a4Landscape << 300 << QSize(22, 16);
    QTest::newRow("fit: portrait fills the width")
        << int(PrintScaling::FitToPage) << copy << a4Portrait << 600 << QSize(4660, 3250);
    // A4 landscape's ratio (1.47 here; 1.414 for the whole sheet) against 793/553 = 1.434.
    QTest::newRow("fit: landscape wider than the copy fills the height")
        << int(PrintScaling::FitToPage) << copy << a4Landscape << 600 << QSize(6682, 4660);
    QTest::newRow("fit: whole A4 sheet landscape fills the width")
        << int(PrintScaling::FitToPage) << copy << QSize(7016, 4961) << 600 << QSize(7016, 4893);
    // Exactly the copy's proportions: the width it gives is not less than W.
    QTest::newRow("fit: equal ratio fills the width")
        << int(PrintScaling::FitToPage) << copy << QSize(1586, 1106) << 600 << QSize(1586, 1106);
    QTest::newRow("fit: a hair above 1.434 fills the height")
        << int(PrintScaling::FitToPage) << copy << QSize(1587, 1106) << 600 << QSize(1586, 1106);
    QTest::newRow("fit: cube on portrait A4 fills the width")
        << int(PrintScaling::FitToPage) << cube << a4Portrait << 600 << QSize(4660, 4617);
    QTest::newRow("fit: smaller page shrinks")
        << int(PrintScaling::FitToPage) << copy << QSize(400, 600) << 600 << QSize(400, 279);
}

void PrintScaleTest::sizeOnPage()
{
    QFETCH(int, scale);
    QFETCH(QSize, image);
    QFETCH(QSize, printable);
    QFETCH(int, dpi);
    QFETCH(QSize, expected);
    QCOMPARE(printScaleSize(PrintScaling(scale), image, printable, dpi, dpi), expected);
}

QTEST_GUILESS_MAIN(PrintScaleTest)
#include "tst_printscale.moc"
