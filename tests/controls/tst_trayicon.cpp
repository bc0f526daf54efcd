// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TrayIcon.h"
#include "tests/support/FakeTrayShell.h"

#include <QMenu>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <utility>

using Reasons = QList<QSystemTrayIcon::ActivationReason>;
using R = QSystemTrayIcon;

namespace {

QIcon colourIcon(Qt::GlobalColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// A notification area whose icon the test clicks.
class ClickedShell : public FakeTrayShell {
public:
    using FakeTrayShell::FakeTrayShell;
    void click(QSystemTrayIcon::ActivationReason reason) const { deliver(reason); }
};

} // namespace

class TrayIconTest : public QObject {
    Q_OBJECT
private slots:
    void clickRules_data();
    void clickRules();
    void doubleClickRunsDefaultItem();
    void shortHint_data();
    void shortHint();
    void putsIconUpAndTakesItDown();
    void animatesOnlyInTray();
};

void TrayIconTest::clickRules_data()
{
    QTest::addColumn<Reasons>("reasons");
    QTest::addColumn<bool>("withMenu");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("restores");
    QTest::addColumn<int>("popups");
    QTest::addColumn<int>("doubles");

    QTest::newRow("left click restores") << Reasons{R::Trigger} << true << true << 1 << 0 << 0;
    QTest::newRow("right click opens the menu")
        << Reasons{R::Context} << true << true << 0 << 1 << 0;
    QTest::newRow("right click without a menu restores")
        << Reasons{R::Context} << false << true << 1 << 0 << 0;
    // The toolkit reports the first click of a double click on its own.
    QTest::newRow("double click restores once")
        << Reasons{R::Trigger, R::DoubleClick} << true << true << 1 << 0 << 1;
    QTest::newRow("middle button does nothing")
        << Reasons{R::MiddleClick, R::Unknown} << true << true << 0 << 0 << 0;
    QTest::newRow("disabled ignores everything")
        << Reasons{R::Trigger, R::Context, R::DoubleClick} << true << false << 0 << 0 << 0;
}

void TrayIconTest::clickRules()
{
    QFETCH(Reasons, reasons);
    QFETCH(bool, withMenu);
    QFETCH(bool, enabled);

    auto owned = std::make_unique<ClickedShell>(std::make_shared<TrayShellLog>());
    const ClickedShell &shell = *owned;
    TrayIcon tray(nullptr, std::move(owned));
    tray.setIcon(colourIcon(Qt::red));
    tray.completeSetup();
    QMenu menu;
    menu.addAction(QStringLiteral("Выход"));
    int popups = 0;
    connect(&menu, &QMenu::aboutToShow, &menu, [&] {
        ++popups;
        QTimer::singleShot(0, &menu, &QMenu::close);
    });
    if (withMenu)
        tray.setContextMenu(&menu);
    tray.setEnabled(enabled);

    QSignalSpy restores(&tray, &TrayIcon::restoreRequested);
    QSignalSpy doubles(&tray, &TrayIcon::doubleClicked);
    for (QSystemTrayIcon::ActivationReason reason : reasons)
        shell.click(reason);

    QTEST(int(restores.count()), "restores");
    QTEST(popups, "popups");
    QTEST(int(doubles.count()), "doubles");
}

void TrayIconTest::doubleClickRunsDefaultItem()
{
    TrayIcon tray(nullptr, std::make_unique<FakeTrayShell>(std::make_shared<TrayShellLog>()));
    QMenu menu;
    QAction *item = menu.addAction(QStringLiteral("Показать"));
    tray.setContextMenu(&menu);
    QSignalSpy itemRuns(item, &QAction::triggered);
    QSignalSpy doubles(&tray, &TrayIcon::doubleClicked);
    tray.handleActivation(R::DoubleClick); // no default item yet
    menu.setDefaultAction(item);
    tray.handleActivation(R::DoubleClick);
    item->setEnabled(false);
    tray.handleActivation(R::DoubleClick);
    QCOMPARE(itemRuns.count(), 1);
    QCOMPARE(doubles.count(), 2);
    {
        QMenu shortLived;
        tray.setContextMenu(&shortLived);
    }
    QCOMPARE(tray.contextMenu(), nullptr); // the reference does not outlive the menu
}

void TrayIconTest::shortHint_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("tip");
    const QString sixtyFour = QString(64, QChar(0x0416)); // a Cyrillic letter is one character
    QTest::newRow("plain") << "Dayrail"
                           << "Dayrail";
    QTest::newRow("long part cut off") << "Коротко|Длинная подсказка"
                                       << "Коротко";
    QTest::newRow("only a long part") << "|Длинная"
                                      << "";
    QTest::newRow("64 cut to 63") << sixtyFour << sixtyFour.left(63);
    QTest::newRow("cut before the bar") << sixtyFour + "|x" << sixtyFour.left(63);
}

void TrayIconTest::shortHint()
{
    QFETCH(QString, hint);
    QFETCH(QString, tip);
    auto log = std::make_shared<TrayShellLog>();
    TrayIcon tray(nullptr, std::make_unique<FakeTrayShell>(log));
    tray.setIcon(colourIcon(Qt::blue));
    tray.setHint(hint);
    tray.completeSetup();
    QCOMPARE(tray.shortHint(), tip);
    QVERIFY(log->ops.contains(QStringLiteral("add:") + tip));
}

void TrayIconTest::putsIconUpAndTakesItDown()
{
    auto log = std::make_shared<TrayShellLog>();
    const auto takeOps = [&log] { return std::exchange(log->ops, {}); };
    log->refuse = true;
    {
        TrayIcon tray(nullptr, std::make_unique<FakeTrayShell>(log));
        tray.setHint(QStringLiteral("Dayrail"));
        QVERIFY(log->ops.isEmpty()); // nothing before the owner is loaded
        tray.completeSetup();
        QCOMPARE(takeOps(), QStringList({"delete"})); // no icon: stays out
        tray.setIcon(colourIcon(Qt::red));
        QVERIFY(!tray.inTray()); // refused
        log->refuse = false;
        tray.setHint(QStringLiteral("Dayrail")); // unchanged: no retry
        tray.setHint(QStringLiteral("Снова"));
        QCOMPARE(takeOps(), QStringList({"delete", "add:Dayrail", "delete", "add:Снова"}));
        QVERIFY(tray.inTray());
        log->host = false; // the notification area went away
        QVERIFY(!tray.inTray());
        log->host = true;

        tray.setActive(false);
        tray.setActive(false);
        tray.setHint(QString());
        tray.setActive(true); // an empty tip is confirmed after the add
        QCOMPARE(takeOps(), QStringList({"delete", "delete", "add:", "modify:"}));
        tray.setIcon(QIcon());
        QCOMPARE(takeOps(), QStringList({"delete"}));
        tray.setIcon(colourIcon(Qt::green));

        auto other = std::make_shared<TrayShellLog>();
        takeOps();
        tray.replaceShell(std::make_unique<FakeTrayShell>(other));
        QCOMPARE(takeOps(), QStringList({"delete"}));
        QCOMPARE(other->ops, QStringList({"delete", "add:", "modify:"}));
        other->ops.clear();
        log = other;
    }
    QCOMPARE(log->ops, QStringList({"delete"}));
}

void TrayIconTest::animatesOnlyInTray()
{
    auto log = std::make_shared<TrayShellLog>();
    TrayIcon tray(nullptr, std::make_unique<FakeTrayShell>(log));
    QCOMPARE(tray.frameIndex(), -1);
    tray.setAnimated(true);
    QVERIFY(!tray.isAnimated()); // no frames to show
    tray.setIcons({colourIcon(Qt::red), colourIcon(Qt::green), colourIcon(Qt::blue)});
    tray.setInterval(5);
    tray.setActive(false);
    tray.completeSetup();
    tray.setAnimated(true);
    // Whether frames can come is the animation timer's state: no waiting.
    const auto running = [&tray] {
        const auto *animation = tray.findChild<QTimer *>();
        return animation && animation->isActive();
    };
    QVERIFY(!running()); // out of the tray: suspended
    log->host = false;
    tray.setActive(true);
    QVERIFY(!running()); // no tray host to show the frames
    QCOMPARE(tray.frameIndex(), -1);
    tray.setActive(false);
    log->host = true;
    tray.setActive(true);
    QVERIFY(running());
    QTRY_VERIFY(log->ops.count(QStringLiteral("modify:")) >= 4);
    QVERIFY(tray.frameIndex() >= 0 && tray.frameIndex() < 3);
    tray.setIcons({});
    QVERIFY(!tray.isAnimated());
    QVERIFY(!running());
}

QTEST_MAIN(TrayIconTest)
#include "tst_trayicon.moc"
