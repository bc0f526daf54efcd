#include "FakeTrayShell.h"
#include "RXShell.h"

#include <QMenu>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QIcon colourIcon(Qt::GlobalColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

// Closes the menu as soon as it is up, counting how often it came up.
void closeEveryPopup(QMenu &menu, int *count)
{
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu, count] {
        ++*count;
        QTimer::singleShot(0, &menu, &QMenu::close);
    });
}

} // namespace

using Messages = QList<TrayMessage>;
Q_DECLARE_METATYPE(TrayMessage)

class TestRxShell : public QObject {
    Q_OBJECT
private slots:
    void clickRules_data();
    void clickRules();
    void doubleClickRunsDefaultItem();
    void shortHint_data();
    void shortHint();
    void putsIconUpAndTakesItDown();
    void retriesRefusedAdd();
    void animatesOnlyInTray();
    void activationsBecomeMessages_data();
    void activationsBecomeMessages();
};

void TestRxShell::clickRules_data()
{
    using M = TrayMessage;
    QTest::addColumn<Messages>("messages");
    QTest::addColumn<bool>("withMenu");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("clicks"); // buttons clicked, in order
    QTest::addColumn<int>("popups");
    QTest::addColumn<int>("downs");
    QTest::addColumn<int>("ups");
    QTest::addColumn<int>("doubles");

    QTest::newRow("left click") << Messages{M::LButtonDown, M::LButtonUp} << true << true
                                << "L" << 0 << 1 << 1 << 0;
    QTest::newRow("release without press") << Messages{M::LButtonUp} << true << true << ""
                                           << 0 << 0 << 1 << 0;
    QTest::newRow("double click clicks once")
        << Messages{M::LButtonDown, M::LButtonUp, M::LButtonDblClk, M::LButtonUp} << true
        << true << "L" << 0 << 2 << 2 << 1;
    QTest::newRow("two presses, one click")
        << Messages{M::LButtonDown, M::LButtonDown, M::LButtonUp, M::LButtonUp} << true << true
        << "L" << 0 << 2 << 2 << 0;
    QTest::newRow("right click opens the menu")
        << Messages{M::RButtonDown, M::RButtonUp} << true << true << "" << 1 << 1 << 1 << 0;
    QTest::newRow("right click without a menu clicks")
        << Messages{M::RButtonDown, M::RButtonUp} << false << true << "R" << 0 << 1 << 1 << 0;
    QTest::newRow("right release without press")
        << Messages{M::RButtonUp} << true << true << "" << 0 << 0 << 1 << 0;
    QTest::newRow("press left, release right")
        << Messages{M::LButtonDown, M::RButtonUp} << true << true << "" << 0 << 1 << 1 << 0;
    QTest::newRow("middle button never clicks")
        << Messages{M::MButtonDown, M::MButtonUp, M::MButtonDblClk} << true << true << "" << 0
        << 2 << 1 << 0;
    QTest::newRow("disabled ignores everything")
        << Messages{M::LButtonDown, M::LButtonUp, M::RButtonDown, M::RButtonUp,
                    M::LButtonDblClk, M::MouseMove}
        << true << false << "" << 0 << 0 << 0 << 0;
}

void TestRxShell::clickRules()
{
    QFETCH(Messages, messages);
    QFETCH(bool, withMenu);
    QFETCH(bool, enabled);

    auto log = std::make_shared<TrayShellLog>();
    TRxTrayIcon tray(nullptr, std::make_unique<FakeTrayShell>(log));
    tray.setIcon(colourIcon(Qt::red));
    tray.Loaded();
    QMenu menu;
    menu.addAction(QStringLiteral("Выход"));
    int popups = 0;
    closeEveryPopup(menu, &popups);
    if (withMenu)
        tray.setPopupMenu(&menu);
    tray.setEnabled(enabled);

    QString clicks;
    connect(&tray, &TRxTrayIcon::OnClick, this, [&](Qt::MouseButton b) {
        clicks += QLatin1Char(b == Qt::LeftButton ? 'L' : b == Qt::RightButton ? 'R' : 'M');
    });
    QSignalSpy downs(&tray, &TRxTrayIcon::OnMouseDown);
    QSignalSpy ups(&tray, &TRxTrayIcon::OnMouseUp);
    QSignalSpy doubles(&tray, &TRxTrayIcon::OnDblClick);

    for (TrayMessage m : messages)
        tray.handleMessage(m);

    QTEST(clicks, "clicks");
    QTEST(popups, "popups");
    QTEST(int(downs.count()), "downs");
    QTEST(int(ups.count()), "ups");
    QTEST(int(doubles.count()), "doubles");
    if (!downs.isEmpty()) {
        // The pressed button is part of the shift state of a press.
        const auto first = downs.first().at(1).value<TRxTrayIcon::ShiftState>();
        QVERIFY(first & (TRxTrayIcon::ssLeft | TRxTrayIcon::ssRight | TRxTrayIcon::ssMiddle));
    }
}

void TestRxShell::doubleClickRunsDefaultItem()
{
    auto log = std::make_shared<TrayShellLog>();
    TRxTrayIcon tray(nullptr, std::make_unique<FakeTrayShell>(log));
    QMenu menu;
    QAction *item = menu.addAction(QStringLiteral("Показать"));
    tray.setPopupMenu(&menu);
    QSignalSpy itemRuns(item, &QAction::triggered);
    QSignalSpy doubles(&tray, &TRxTrayIcon::OnDblClick);

    tray.handleMessage(TrayMessage::LButtonDblClk);
    QCOMPARE(doubles.count(), 1); // no default item yet

    menu.setDefaultAction(item);
    tray.handleMessage(TrayMessage::LButtonDblClk);
    QCOMPARE(itemRuns.count(), 1);
    QCOMPARE(doubles.count(), 1);

    item->setEnabled(false);
    tray.handleMessage(TrayMessage::LButtonDblClk);
    QCOMPARE(itemRuns.count(), 1);
    QCOMPARE(doubles.count(), 2);

    // The menu reference does not outlive the menu.
    {
        QMenu shortLived;
        tray.setPopupMenu(&shortLived);
    }
    QCOMPARE(tray.PopupMenu(), nullptr);
}

void TestRxShell::shortHint_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("tip");
    const QString sixtyFour = QString(64, QChar(0x0416)); // Cyrillic letters count as one
    QTest::newRow("plain") << "Dayrail" << "Dayrail";
    QTest::newRow("long part cut off") << "Коротко|Длинная подсказка" << "Коротко";
    QTest::newRow("only a long part") << "|Длинная" << "";
    QTest::newRow("64 cut to 63") << sixtyFour << sixtyFour.left(63);
    QTest::newRow("63 kept") << sixtyFour.left(63) << sixtyFour.left(63);
    QTest::newRow("cut after the bar") << sixtyFour + "|x" << sixtyFour.left(63);
}

void TestRxShell::shortHint()
{
    QFETCH(QString, hint);
    QFETCH(QString, tip);
    auto log = std::make_shared<TrayShellLog>();
    TRxTrayIcon tray(nullptr, std::make_unique<FakeTrayShell>(log));
    tray.setIcon(colourIcon(Qt::blue));
    tray.setHint(hint);
    tray.Loaded();
    QCOMPARE(tray.shortHint(), tip);
    QVERIFY(log->ops.contains(QStringLiteral("add:") + tip));
}

void TestRxShell::putsIconUpAndTakesItDown()
{
    auto log = std::make_shared<TrayShellLog>();
    {
        TRxTrayIcon tray(nullptr, std::make_unique<FakeTrayShell>(log));
        tray.setIcon(colourIcon(Qt::red));
        tray.setHint(QStringLiteral("Dayrail"));
        QVERIFY(log->ops.isEmpty()); // nothing before the owner is loaded
        tray.Loaded();
        QCOMPARE(log->ops, QStringList({"delete", "add:Dayrail"}));
        QVERIFY(tray.inTray());

        log->ops.clear();
        tray.setHint(QStringLiteral("Dayrail"));
        QVERIFY(log->ops.isEmpty()); // unchanged hint
        tray.setHint(QStringLiteral("Другая"));
        QCOMPARE(log->ops, QStringList({"modify:Другая"}));

        log->ops.clear();
        tray.setActive(false);
        tray.setActive(false);
        QCOMPARE(log->ops, QStringList({"delete"}));
        QVERIFY(!tray.inTray());
        tray.setActive(true);
        QCOMPARE(log->ops, QStringList({"delete", "delete", "add:Другая"}));

        // The host went away: the icon is no way back any more.
        log->host = false;
        QVERIFY(!tray.inTray());
        log->host = true;

        log->ops.clear();
        tray.setIcon(QIcon());
        QCOMPARE(log->ops, QStringList({"delete"}));
        log->ops.clear();
        tray.setHint(QString()); // still no icon: tries, stays out
        tray.setIcon(colourIcon(Qt::green));
        // An empty tip is confirmed with a modify after the add.
        QCOMPARE(log->ops, QStringList({"delete", "delete", "add:", "modify:"}));
        log->ops.clear();
    }
    QCOMPARE(log->ops, QStringList({"delete"}));
}

void TestRxShell::retriesRefusedAdd()
{
    auto log = std::make_shared<TrayShellLog>();
    log->refuse = true;
    TRxTrayIcon tray(nullptr, std::make_unique<FakeTrayShell>(log));
    tray.Loaded();
    QCOMPARE(log->ops, QStringList({"delete"})); // no icon: stays out
    tray.setIcon(colourIcon(Qt::red));
    QVERIFY(!tray.inTray());
    log->refuse = false;
    log->ops.clear();
    tray.setHint(QStringLiteral("Снова"));
    QCOMPARE(log->ops, QStringList({"delete", "add:Снова"}));
    QVERIFY(tray.inTray());

    // A new shell takes the icon over; the old one loses it.
    auto other = std::make_shared<TrayShellLog>();
    log->ops.clear();
    tray.replaceShell(std::make_unique<FakeTrayShell>(other));
    QCOMPARE(log->ops, QStringList({"delete"}));
    QCOMPARE(other->ops, QStringList({"delete", "add:Снова"}));
}

void TestRxShell::animatesOnlyInTray()
{
    auto log = std::make_shared<TrayShellLog>();
    TRxTrayIcon tray(nullptr, std::make_unique<FakeTrayShell>(log));
    QCOMPARE(tray.frameIndex(), -1);
    tray.setAnimated(true);
    QVERIFY(!tray.Animated()); // no frames to show
    tray.setIcon(colourIcon(Qt::red));
    tray.setIcons({colourIcon(Qt::red), colourIcon(Qt::green), colourIcon(Qt::blue)});
    tray.setInterval(5);
    tray.setActive(false);
    tray.Loaded();
    tray.setAnimated(true);
    QVERIFY(tray.Animated());
    QTest::qWait(40);
    QCOMPARE(tray.frameIndex(), -1); // out of the tray: suspended

    tray.setActive(true);
    QTRY_VERIFY(log->ops.count(QStringLiteral("modify:")) >= 4);
    QVERIFY(tray.frameIndex() >= 0 && tray.frameIndex() < 3);

    tray.setIcons({});
    QVERIFY(!tray.Animated());
    QCOMPARE(tray.frameIndex(), 0);
    log->ops.clear();
    QTest::qWait(30);
    QCOMPARE(log->ops.count(QStringLiteral("modify:")), 0);
}

void TestRxShell::activationsBecomeMessages_data()
{
    using M = TrayMessage;
    QTest::addColumn<int>("reason");
    QTest::addColumn<Messages>("messages");
    QTest::newRow("trigger") << int(QSystemTrayIcon::Trigger)
                             << Messages{M::LButtonDown, M::LButtonUp};
    QTest::newRow("double") << int(QSystemTrayIcon::DoubleClick)
                            << Messages{M::LButtonDblClk, M::LButtonUp};
    QTest::newRow("context") << int(QSystemTrayIcon::Context)
                             << Messages{M::RButtonDown, M::RButtonUp};
    QTest::newRow("middle") << int(QSystemTrayIcon::MiddleClick)
                            << Messages{M::MButtonDown, M::MButtonUp};
    QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown) << Messages{};
}

void TestRxShell::activationsBecomeMessages()
{
    QFETCH(int, reason);
    QFETCH(Messages, messages);
    const auto got = trayMessagesFor(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(Messages(got.begin(), got.end()), messages);

    // What the toolkit reports for a double click, fed through the handler,
    // shows the main window once.
    if (reason == QSystemTrayIcon::DoubleClick) {
        auto log = std::make_shared<TrayShellLog>();
        TRxTrayIcon tray(nullptr, std::make_unique<FakeTrayShell>(log));
        QSignalSpy clicks(&tray, &TRxTrayIcon::OnClick);
        for (auto r : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick})
            for (TrayMessage m : trayMessagesFor(r))
                tray.handleMessage(m);
        QCOMPARE(clicks.count(), 1);
    }
}

QTEST_MAIN(TestRxShell)
#include "tst_RXShell.moc"
