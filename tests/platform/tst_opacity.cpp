// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's constant opacity: set where the platform can, kept while off,
// left alone on Wayland.
#include "platform/Widgets.h"

#include <QtTest>

class OpacityTest : public QObject {
    Q_OBJECT
private slots:
    void platformSupport_data();
    void platformSupport();
    void valueSurvivesBlendingOff();
};

void OpacityTest::platformSupport_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("supported");
    QTest::newRow("x11") << QStringLiteral("xcb") << true;
    QTest::newRow("headless") << QStringLiteral("offscreen") << true;
    QTest::newRow("wayland") << QStringLiteral("wayland") << false;
    QTest::newRow("wayland egl") << QStringLiteral("wayland-egl") << false;
}

void OpacityTest::platformSupport()
{
    QFETCH(QString, platform);
    QFETCH(bool, supported);
    QCOMPARE(supportsWindowOpacity(platform), supported);
}

void OpacityTest::valueSurvivesBlendingOff()
{
    QWidget window;
    AlphaBlending blending(&window, 200);
    blending.setEnabled(true);
    QCOMPARE(qRound(window.windowOpacity() * 255), 200);
    blending.setEnabled(false);
    blending.setValue(300); // out of range: held at fully opaque
    QCOMPARE(window.windowOpacity(), 1.0);
    blending.setEnabled(true);
    QCOMPARE(blending.value(), 255);
    blending.setValue(90);
    QCOMPARE(qRound(window.windowOpacity() * 255), 90);
}

QTEST_MAIN(OpacityTest)
#include "tst_opacity.moc"
