// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page "Подписки": calendars on the network shown on the grids in their
// own colours, read-only. Each line of the list names a calendar and says
// how its last refresh went; a calendar is added in a small dialog, removed,
// or refreshed at once.
#include <QDialog>
#include <QSet>
#include <QWidget>

class DialogSeam;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class Subscriptions;
struct Subscription;

// «Добавить подписку»: the address, a name, the colour and the interval.
class SubscriptionDialog : public QDialog {
    Q_OBJECT
public:
    SubscriptionDialog(DialogSeam &dialogs, QWidget *parent = nullptr);
    Subscription subscription() const;

private:
    void chooseColour();
    void showColour();

    DialogSeam &m_dialogs;
    QColor m_colour;
    QLineEdit *m_url = nullptr;
    QLineEdit *m_name = nullptr;
    QPushButton *m_colourButton = nullptr;
    QSpinBox *m_hours = nullptr;
    QCheckBox *m_allowHttp = nullptr;
};

class SubscriptionsPage : public QWidget {
    Q_OBJECT
public:
    SubscriptionsPage(Subscriptions &subscriptions, DialogSeam &dialogs, QWidget *parent = nullptr);

    // What the list says of a subscription: its name and interval, then its status.
    static QString lineOf(const Subscription &subscription, bool refreshing);

private:
    void showList();
    void showButtons();
    void addSubscription();
    void removeSubscription();
    void refreshSubscription();
    QString selectedId() const;

    Subscriptions &m_subscriptions;
    DialogSeam &m_dialogs;
    // Refreshes the user asked for: their result is spoken when it comes.
    QSet<QString> m_asked;
    QListWidget *m_list = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_refresh = nullptr;
};
