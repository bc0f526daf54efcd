// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page "Синхронизация": the calendar server the active profile is kept
// in step with. The user gives the server, name and password, picks one of
// the calendars found there, and sees what the last run did.
#include <QWidget>
#include <memory>

class AccountSync;
class CalDavClient;
class DialogSeam;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class WindowServices;
struct CalDavCalendar;
struct SyncAccount;

class AccountPage : public QWidget {
    Q_OBJECT
public:
    AccountPage(WindowServices &services, QWidget *parent = nullptr);
    ~AccountPage() override;

private:
    void showAccount();
    void findCalendars();
    void discover();
    void takeCalendars(const QList<CalDavCalendar> &calendars);
    void discoveryFailed(const QString &message, const QByteArray &fingerprint);
    void storeCalendar();
    void storeInterval();
    void syncNow();
    // The fields' server and name, or none after telling the user why not.
    bool accountFromFields(SyncAccount &account);
    void keepPassword();

    AccountSync &m_sync;
    DialogSeam &m_dialogs;
    std::unique_ptr<CalDavClient> m_finder;
    QLineEdit *m_url = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QPushButton *m_find = nullptr;
    QComboBox *m_calendars = nullptr;
    QSpinBox *m_every = nullptr;
    QPushButton *m_syncNow = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
};
