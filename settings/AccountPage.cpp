// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/AccountPage.h"

#include "core/AccountFile.h"
#include "platform/Dialogs.h"
#include "platform/Handler.h"
#include "platform/Widgets.h"
#include "settings/SettingsControls.h"
#include "sync/AccountSync.h"
#include "sync/CalDavClient.h"
#include "windows/WindowServices.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

namespace {

QLineEdit *labelledField(QWidget *parent, const char *name, const QString &caption, int y)
{
    QLabel *label =
        placeLabel(parent, QByteArray(name).append("Label").constData(), caption, 16, y + 3);
    QLineEdit *field = editField(parent, name, caption.chopped(1), 150, y, 360);
    label->setBuddy(field);
    return field;
}

} // namespace

AccountPage::AccountPage(WindowServices &services, QWidget *parent)
    : QWidget(parent), m_sync(services.accountSync()), m_dialogs(services.dialogs())
{
    setObjectName(QStringLiteral("accountPage"));
    heading(this, "accountHeading",
            QStringLiteral("Синхронизация с календарём на сервере (CalDAV)"), 16, 16);
    m_url = labelledField(this, "serverField", QStringLiteral("Адрес сервера:"), 48);
    m_url->setPlaceholderText(QStringLiteral("https://"));
    m_user = labelledField(this, "userField", QStringLiteral("Имя пользователя:"), 78);
    m_password = labelledField(this, "passwordField", QStringLiteral("Пароль:"), 108);
    m_password->setEchoMode(QLineEdit::Password);
    m_find = pushButton(this, "findButton", QStringLiteral("Найти календари"), 520, 106, 140);

    QLabel *calendarLabel =
        placeLabel(this, "calendarLabel", QStringLiteral("Календарь:"), 16, 151);
    m_calendars = place(new QComboBox(this), 150, 148, 360, 22);
    m_calendars->setObjectName(QStringLiteral("calendarChoice"));
    m_calendars->setAccessibleName(QStringLiteral("Календарь"));
    calendarLabel->setBuddy(m_calendars);

    QLabel *everyLabel =
        placeLabel(this, "everyLabel", QStringLiteral("Синхронизировать каждые"), 16, 185);
    m_every = place(new QSpinBox(this), 180, 182, 60, 22);
    m_every->setObjectName(QStringLiteral("everyMinutes"));
    m_every->setAccessibleName(QStringLiteral("Синхронизировать каждые, минут"));
    m_every->setRange(0, kMostSyncMinutes);
    everyLabel->setBuddy(m_every);
    placeLabel(this, "minutesLabel", QStringLiteral("мин (0 — только вручную)"), 248, 185);
    m_syncNow =
        pushButton(this, "syncNowButton", QStringLiteral("Синхронизировать сейчас"), 450, 180, 210);

    m_progress = place(new QProgressBar(this), 16, 222, 644, 16);
    m_progress->setObjectName(QStringLiteral("syncProgress"));
    m_progress->setAccessibleName(QStringLiteral("Ход синхронизации"));
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_status = place(new QLabel(this), 16, 246, 644, 96);
    m_status->setObjectName(QStringLiteral("syncStatus"));
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    showAccount();
    connect(m_find, &QPushButton::clicked, this,
            [this] { runHandler(m_dialogs, [this] { findCalendars(); }); });
    connect(m_calendars, &QComboBox::activated, this,
            [this] { runHandler(m_dialogs, [this] { storeCalendar(); }); });
    connect(m_every, &QSpinBox::valueChanged, this,
            [this] { runHandler(m_dialogs, [this] { storeInterval(); }); });
    connect(m_syncNow, &QPushButton::clicked, this,
            [this] { runHandler(m_dialogs, [this] { syncNow(); }); });
    connect(&m_sync, &AccountSync::statusChanged, this, [this](const QString &status) {
        m_status->setText(status);
        m_status->setAccessibleName(status);
        if (!m_sync.running())
            m_progress->hide();
    });
    connect(&m_sync, &AccountSync::progress, this, [this](int done, int total) {
        m_progress->setRange(0, std::max(total, 1));
        m_progress->setValue(done);
        m_progress->show();
    });
}

AccountPage::~AccountPage() = default;

void AccountPage::showAccount()
{
    const SyncAccount &account = m_sync.account();
    m_url->setText(account.url.toDisplayString());
    m_user->setText(account.user);
    m_password->setText(m_sync.password());
    m_calendars->clear();
    if (!account.calendar.isEmpty())
        m_calendars->addItem(account.calendar.toDisplayString(), account.calendar);
    m_every->setValue(account.everyMinutes);
    m_status->setText(m_sync.status());
}

bool AccountPage::accountFromFields(SyncAccount &account)
{
    QString text = m_url->text().trimmed();
    if (!text.contains(QStringLiteral("://")))
        text.prepend(QStringLiteral("https://"));
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("https") && scheme != QLatin1String("http"))) {
        m_dialogs.message(QStringLiteral("Адрес сервера должен начинаться с https:// и называть "
                                         "сервер, а не \"%1\"")
                              .arg(m_url->text().left(60)));
        return false;
    }
    if (account.url != url)
        account.calendar.clear();
    account.url = url;
    account.user = m_user->text().trimmed();
    account.allowPlainHttp = account.allowPlainHttp && scheme == QLatin1String("http");
    if (scheme == QLatin1String("http") && !account.allowPlainHttp) {
        if (!m_dialogs.choose(QStringLiteral("Адрес \"%1\" без шифрования: пароль и все записи "
                                             "пойдут по сети открытым текстом, их можно "
                                             "подсмотреть и подменить.")
                                  .arg(url.toDisplayString().left(60)),
                              QStringLiteral("Всё равно подключиться"), QStringLiteral("Отмена")))
            return false;
        account.allowPlainHttp = true;
    }
    return true;
}

void AccountPage::findCalendars()
{
    SyncAccount account = m_sync.account();
    if (!accountFromFields(account))
        return;
    m_sync.setAccount(account);
    m_find->setEnabled(false);
    if (m_password->text().isEmpty() && !m_sync.hasPassword()) {
        // A password kept in the store for this account saves typing it again.
        QPointer<AccountPage> page(this);
        m_sync.withPassword([page](const QString &failure) {
            if (!page)
                return;
            if (failure.isEmpty())
                page->m_password->setText(page->m_sync.password());
            runHandler(page->m_dialogs, [page] { page->discover(); });
        });
        return;
    }
    discover();
}

void AccountPage::discover()
{
    const SyncAccount &account = m_sync.account();
    CalDavAccount server;
    server.url = account.url;
    server.user = account.user;
    server.password = m_password->text();
    server.allowPlainHttp = account.allowPlainHttp;
    server.trustedFingerprint = account.trustedFingerprint;
    m_finder = std::make_unique<CalDavClient>(server);
    connect(m_finder.get(), &CalDavClient::calendarsFound, this, &AccountPage::takeCalendars);
    connect(m_finder.get(), &CalDavClient::discoveryFailed, this, &AccountPage::discoveryFailed);
    m_status->setText(QStringLiteral("Поиск календарей на сервере…"));
    m_finder->discover();
}

void AccountPage::takeCalendars(const QList<CalDavCalendar> &calendars)
{
    m_find->setEnabled(true);
    m_finder.release()->deleteLater();
    const QUrl chosen = m_sync.account().calendar;
    m_calendars->clear();
    for (const CalDavCalendar &calendar : calendars) {
        if (!calendar.components.isEmpty() &&
            !calendar.components.contains(QStringLiteral("VEVENT")))
            continue;
        const QString name =
            calendar.displayName.isEmpty() ? calendar.url.path() : calendar.displayName;
        m_calendars->addItem(name, calendar.url);
        if (calendar.url == chosen)
            m_calendars->setCurrentIndex(m_calendars->count() - 1);
    }
    if (m_calendars->count() == 0) {
        m_status->setText(QStringLiteral("На сервере нет календарей для событий."));
        return;
    }
    m_status->setText(QStringLiteral("Найдено календарей: %1. Выберите календарь, с которым "
                                     "синхронизировать профиль.")
                          .arg(m_calendars->count()));
    keepPassword();
    storeCalendar();
}

void AccountPage::discoveryFailed(const QString &message, const QByteArray &fingerprint)
{
    m_find->setEnabled(true);
    m_finder.release()->deleteLater();
    m_status->setText(message);
    if (fingerprint.isEmpty()) {
        m_dialogs.message(message);
        return;
    }
    if (!m_dialogs.choose(message + QStringLiteral("\n\nОтпечаток сертификата (SHA-256):\n") +
                              QString::fromLatin1(fingerprint) +
                              QStringLiteral("\n\nДоверяйте ему, только если он совпадает с "
                                             "отпечатком, который сообщил владелец сервера."),
                          QStringLiteral("Доверять этому сертификату"), QStringLiteral("Отмена")))
        return;
    SyncAccount account = m_sync.account();
    account.trustedFingerprint = fingerprint;
    m_sync.setAccount(account);
    findCalendars();
}

void AccountPage::keepPassword()
{
    // Unchanged, or an empty field the store's password was never read
    // into: neither is a wish to forget that password.
    if (m_password->text() == m_sync.password())
        return;
    m_sync.setPassword(m_password->text(), [this](const QString &failure) {
        if (!failure.isEmpty())
            m_dialogs.message(failure);
    });
}

void AccountPage::storeCalendar()
{
    SyncAccount account = m_sync.account();
    account.calendar = m_calendars->currentData().toUrl();
    m_sync.setAccount(account);
}

void AccountPage::storeInterval()
{
    SyncAccount account = m_sync.account();
    account.everyMinutes = m_every->value();
    m_sync.setAccount(account);
}

void AccountPage::syncNow()
{
    if (!m_sync.account().configured()) {
        m_dialogs.message(QStringLiteral("Сначала найдите календари на сервере и выберите один."));
        return;
    }
    keepPassword();
    m_sync.syncNow();
}
