// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The minimised view and its opacity slider.
#include "core/CalendarModel.h"
#include "tests/support/FakeServices.h"
#include "windows/MiniView.h"
#include "windows/MiniViewOpacityWindow.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

QWidget *opacityWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("miniViewOpacityWindow"))
            return window;
    return nullptr;
}

int shownLevel(const QWidget *window)
{
    return qRound(window->windowOpacity() * 255);
}

} // namespace

class TestMinimisedView : public QObject {
    Q_OBJECT
    std::unique_ptr<CalendarModel> m_model;
    FakeServices m_services;
    std::unique_ptr<MiniView> m_view;

    QSlider *slider() const
    {
        return opacityWindow()->findChild<QSlider *>(QStringLiteral("levelSlider"));
    }
    QString percent() const
    {
        return opacityWindow()->findChild<QLabel *>(QStringLiteral("percentLabel"))->text();
    }

private slots:
    void init()
    {
        m_model = std::make_unique<CalendarModel>();
        m_services.calls.clear();
        m_view = std::make_unique<MiniView>(*m_model, m_services);
    }
    void cleanup()
    {
        m_view.reset();
        m_model.reset();
    }

    void sliderSetsOpacityAndTruncatedPercent_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("percent");
        QTest::newRow("one below opaque") << 254 << "99 %";
        QTest::newRow("two below opaque") << 253 << "99 %";
        QTest::newRow("half") << 128 << "50 %";
        QTest::newRow("low") << 25 << "9 %";
        QTest::newRow("clear") << 0 << "0 %";
    }
    void sliderSetsOpacityAndTruncatedPercent()
    {
        QFETCH(int, position);
        QFETCH(QString, percent);
        // Blending is off until the slider moves; then it always takes effect.
        QCOMPARE(m_view->windowOpacity(), 1.0);
        slider()->setValue(position);
        QCOMPARE(this->percent(), percent);
        QCOMPARE(shownLevel(m_view.get()), position);
        slider()->setValue(255);
        QCOMPARE(this->percent(), QStringLiteral("100 %"));
    }

    void settingsMoveTheSliderAndTheView()
    {
        m_model->setOpacity(OpacityWindow::MiniView, {true, 255});
        QVERIFY(slider()->isEnabled());
        m_model->setOpacity(OpacityWindow::MiniView, {true, 128});
        QCOMPARE(slider()->value(), 128);
        QCOMPARE(percent(), QStringLiteral("50 %"));
        QCOMPARE(shownLevel(m_view.get()), 128);
        m_model->setOpacity(OpacityWindow::MiniView, {false, 128});
        QVERIFY(!slider()->isEnabled());
        QCOMPARE(m_view->windowOpacity(), 1.0);

        // A view made later starts where the settings stand.
        m_model->setOpacity(OpacityWindow::MiniView, {true, 100});
        m_view = std::make_unique<MiniView>(*m_model, m_services);
        QCOMPARE(shownLevel(m_view.get()), 100);
        QCOMPARE(slider()->value(), 100);
        QVERIFY(slider()->isEnabled());
    }

    void timeLineTicksOnlyOnScreen()
    {
        auto *timer = m_view->findChild<QTimer *>(QStringLiteral("clockTimer"));
        auto *line = m_view->findChild<QLineEdit *>(QStringLiteral("timeLine"));
        QVERIFY(!timer->isActive());
        QVERIFY(line->text().isEmpty());
        m_view->show();
        QVERIFY(timer->isActive());
        // At once, not a second later: eleven spaces, then the time.
        QCOMPARE(line->text(), QString(11, QLatin1Char(' ')) + QStringLiteral("10:00:00"));
        QCOMPARE(m_view->findChild<QDateEdit *>()->date(), m_model->startDay());
        m_view->hide();
        QVERIFY(!timer->isActive());
    }

    void buttonsAndPopup_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("staysShown");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("restore") << "restoreButton" << false << QStringList{"main"};
        QTest::newRow("exit, without asking") << "exitButton" << true << QStringList{"end"};
        QTest::newRow("close")
            << "" << false
            << QStringList{QStringLiteral("reachable %1").arg(int(WindowRole::MiniView))};
    }
    void buttonsAndPopup()
    {
        QFETCH(QString, button);
        QFETCH(bool, staysShown);
        QFETCH(QStringList, calls);
        m_view->show();
        if (button.isEmpty())
            m_view->close();
        else
            QTest::mouseClick(m_view->findChild<QToolButton *>(button), Qt::LeftButton);
        QCOMPARE(m_view->isVisible(), staysShown);
        QCOMPARE(m_services.calls, calls);
    }

    void minimiseAndOpacityItem()
    {
        m_view->show();
        QTest::mouseClick(m_view->findChild<QToolButton *>(QStringLiteral("minimiseButton")),
                          Qt::LeftButton);
        QVERIFY(m_view->isMinimized());
        m_view->findChild<QAction *>(QStringLiteral("actionOpacity"))->trigger();
        QVERIFY(opacityWindow()->isVisible());
        QVERIFY(m_services.calls.isEmpty());
    }
};

QTEST_MAIN(TestMinimisedView)
#include "tst_minimisedview.moc"
