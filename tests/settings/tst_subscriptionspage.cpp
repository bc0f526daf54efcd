// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The page "Подписки" driven as the user drives it: the add dialog's
// choices reach the subscription, a refused address changes nothing.
#include "base/TextFile.h"
#include "settings/SubscriptionsPage.h"
#include "sync/Subscriptions.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

class SubscriptionsPageTest : public QObject {
    Q_OBJECT
private slots:
    void addAndRemove();
};

void SubscriptionsPageTest::addAndRemove()
{
    ProgramFolder folder;
    BackupKeeper backups;
    const QDateTime now(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    Subscriptions subscriptions(folder.path(), backups, [now] { return now; });
    subscriptions.setTimeouts(1000, 2000);
    RecordingDialogs dialogs;
    SubscriptionsPage page(subscriptions, dialogs);
    page.show();
    auto *list = page.findChild<QListWidget *>(QStringLiteral("subscriptionList"));
    auto *remove = page.findChild<QPushButton *>(QStringLiteral("removeSubscription"));
    QVERIFY(!remove->isEnabled());

    const auto add = [&](const QString &url, bool allowHttp) {
        page.findChild<QPushButton *>(QStringLiteral("addSubscription"))->click();
        auto *dialog = page.findChild<SubscriptionDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        dialog->findChild<QLineEdit *>(QStringLiteral("urlField"))->setText(url);
        dialog->findChild<QLineEdit *>(QStringLiteral("nameField"))
            ->setText(QStringLiteral("Спорт"));
        dialog->findChild<QSpinBox *>(QStringLiteral("hoursField"))->setValue(3);
        dialog->findChild<QCheckBox *>(QStringLiteral("allowHttp"))->setChecked(allowHttp);
        dialogs.colourAnswer = QColor(0x80, 0x20, 0xC0);
        dialog->findChild<QPushButton *>(QStringLiteral("colourButton"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        if (!allowHttp) {
            // Plain http without the user's leave: said, the dialog kept for another try.
            QCOMPARE(dialogs.errors.size(), 1);
            QVERIFY(dialogs.errors.at(0).contains(QStringLiteral("без шифрования")));
            QVERIFY(dialog->isVisible());
            QCOMPARE(list->count(), 0);
            dialog->findChild<QCheckBox *>(QStringLiteral("allowHttp"))->setChecked(true);
            dialog->findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        }
        QTRY_VERIFY(!page.findChild<SubscriptionDialog *>());
    };
    // Nobody listens on port 1: the failure comes into the subscription's line.
    add(QStringLiteral("http://127.0.0.1:1/a.ics"), false);
    QCOMPARE(subscriptions.list().size(), 1);
    const Subscription &s = subscriptions.list().at(0);
    QCOMPARE(s.colour, QColor(0x80, 0x20, 0xC0));
    QCOMPARE(s.hours, 3);
    QCOMPARE(list->count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(list->item(0)->text().contains(QStringLiteral("не обновилась")), 5000);
    QVERIFY2(list->item(0)->text().startsWith(QStringLiteral("Спорт (каждые 3 ч)\n")),
             qPrintable(list->item(0)->text()));
    QVERIFY2(list->item(0)->text().contains(QStringLiteral("не принимает соединения")),
             qPrintable(list->item(0)->text()));

    // Removing asks first; «Нет» keeps it.
    QVERIFY(remove->isEnabled());
    remove->click();
    QCOMPARE(dialogs.questions.size(), 1);
    QCOMPARE(list->count(), 1);
    dialogs.questionAnswer = true;
    remove->click();
    QCOMPARE(list->count(), 0);
    QVERIFY(subscriptions.list().isEmpty());
}

QTEST_MAIN(SubscriptionsPageTest)
#include "tst_subscriptionspage.moc"
