// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/Subscriptions.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "core/ICalendar.h"
#include "core/ProgramFileNames.h"
#include "core/SubscriptionDays.h"
#include "sync/NetworkFailure.h"
#include "sync/SubscriptionFetch.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>

namespace {

// The timer waits no longer than this at a time (QTimer counts in int
// milliseconds); it then looks again.
constexpr qint64 kLongestWaitMs = 24LL * 3600 * 1000;

} // namespace

Subscriptions::Subscriptions(const QString &folder, BackupKeeper &backups, Clock clock,
                             QObject *parent)
    : QObject(parent), m_folder(folder), m_backups(backups), m_clock(std::move(clock))
{
    m_timer.setObjectName(QStringLiteral("subscriptionTimer"));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Subscriptions::refreshDue);
}

Subscriptions::~Subscriptions()
{
    qDeleteAll(m_fetches);
}

QString Subscriptions::copyPath(const QString &id) const
{
    return m_folder + QLatin1String(programfile::kSubscriptionCopies) + QLatin1Char('/') + id +
           QStringLiteral(".ics");
}

QString Subscriptions::start()
{
    QStringList problems;
    const QString path = m_folder + QLatin1String(programfile::kSubscriptions);
    if (const auto failure = failureOf([&] { m_list = readSubscriptions(path, m_backups); }))
        problems << *failure;
    else if (m_backups.isMarked(path))
        problems << QStringLiteral("В файле подписок \"%1\" есть непонятные строки: они "
                                   "пропущены, файл сохранён как \"%2\".")
                        .arg(path, BackupKeeper::backupPath(path));
    for (const Subscription &s : std::as_const(m_list)) {
        QFile copy(copyPath(s.id));
        if (!copy.exists())
            continue;
        if (copy.open(QIODevice::ReadOnly))
            m_copies.insert(s.id, copy.read(kLargestICalendarFile + 1));
        else
            problems << QStringLiteral("Не удаётся прочитать сохранённую копию подписки «%1»: %2")
                            .arg(s.name, copy.errorString());
    }
    if (!m_copies.isEmpty())
        emit daysChanged();
    refreshDue();
    return problems.join(QLatin1Char('\n'));
}

Subscription *Subscriptions::find(const QString &id)
{
    for (Subscription &s : m_list)
        if (s.id == id)
            return &s;
    return nullptr;
}

void Subscriptions::add(Subscription subscription)
{
    subscription.url = subscriptionAddress(subscription.url, subscription.allowHttp).toString();
    subscription.id = newSubscriptionId();
    subscription.name = oneLine(subscription.name).trimmed();
    if (subscription.name.isEmpty())
        subscription.name = QUrl(subscription.url).host();
    subscription.hours = qBound(kFewestRefreshHours, subscription.hours, kMostRefreshHours);
    subscription.attempted = subscription.succeeded = QDateTime();
    subscription.failed = false;
    subscription.etag.clear();
    subscription.lastModified.clear();
    subscription.status.clear();
    QList<Subscription> list = m_list;
    list << subscription;
    writeSubscriptions(m_folder + QLatin1String(programfile::kSubscriptions), list, m_backups);
    m_list = list;
    emit listChanged();
    refresh(subscription.id);
}

void Subscriptions::remove(QString id)
{
    QList<Subscription> list = m_list;
    list.removeIf([&](const Subscription &s) { return s.id == id; });
    if (list.size() == m_list.size())
        return;
    writeSubscriptions(m_folder + QLatin1String(programfile::kSubscriptions), list, m_backups);
    m_list = list;
    delete m_fetches.take(id);
    QFile::remove(copyPath(id));
    if (m_copies.remove(id)) {
        m_daysYear = 0;
        emit daysChanged();
    }
    emit listChanged();
    scheduleNext();
}

void Subscriptions::setTimeouts(int quietMs, int longestMs)
{
    m_quietMs = quietMs;
    m_longestMs = longestMs;
}

QDateTime Subscriptions::dueTime(const Subscription &s) const
{
    if (!s.attempted.isValid())
        return m_clock();
    const int hours = s.failed ? qMin(s.hours, kRetryHours) : s.hours;
    return s.attempted.addSecs(qint64(hours) * 3600);
}

void Subscriptions::refreshDue()
{
    const QDateTime now = m_clock();
    QStringList due;
    for (const Subscription &s : std::as_const(m_list))
        if (!m_fetches.contains(s.id) && dueTime(s) <= now)
            due << s.id;
    for (const QString &id : due)
        refresh(id);
    scheduleNext();
}

void Subscriptions::scheduleNext()
{
    m_timer.stop();
    std::optional<QDateTime> next;
    for (const Subscription &s : std::as_const(m_list))
        if (!m_fetches.contains(s.id) && (!next || dueTime(s) < *next))
            next = dueTime(s);
    if (!next)
        return;
    const qint64 wait = qBound<qint64>(0, m_clock().msecsTo(*next), kLongestWaitMs);
    m_timer.start(int(wait));
}

void Subscriptions::refresh(const QString &id)
{
    Subscription *s = find(id);
    if (!s || m_fetches.contains(id))
        return;
    FetchRequest request;
    request.etag = m_copies.contains(id) ? s->etag : QByteArray();
    request.lastModified = m_copies.contains(id) ? s->lastModified : QByteArray();
    try {
        request.url = subscriptionAddress(s->url, s->allowHttp);
    } catch (const DayrailError &e) {
        finish(id, FetchAnswer{e.text(), false, {}, {}, {}});
        return;
    }
    if (!m_network)
        m_network = std::make_unique<QNetworkAccessManager>();
    auto *fetch = new SubscriptionFetch(*m_network);
    if (m_quietMs > 0)
        fetch->setTimeouts(m_quietMs, m_longestMs);
    m_fetches.insert(id, fetch);
    connect(fetch, &SubscriptionFetch::finished, this, [this, id, fetch](const FetchAnswer &a) {
        m_fetches.remove(id);
        fetch->deleteLater();
        finish(id, a);
    });
    fetch->start(request);
    emit listChanged();
    scheduleNext();
}

void Subscriptions::finish(const QString &id, const FetchAnswer &answer)
{
    Subscription *s = find(id);
    if (!s)
        return;
    const QDateTime now = m_clock().toUTC();
    s->attempted = now;
    QString failure = answer.failure;
    std::optional<SubscriptionDays> read;
    const QByteArray &text = answer.notModified ? m_copies.value(id) : answer.body;
    if (failure.isEmpty()) {
        const QString where = shownAddress(QUrl(s->url));
        if (const auto problem =
                failureOf([&] { read = subscriptionDays(text, now.date().year(), where); }))
            failure = *problem;
    }
    if (failure.isEmpty() && !answer.notModified) {
        if (const auto problem = failureOf([&] {
                QDir().mkpath(m_folder + QLatin1String(programfile::kSubscriptionCopies));
                writeFileAtomically(copyPath(id), answer.body);
            }))
            failure = *problem;
    }
    s->failed = !failure.isEmpty();
    if (s->failed) {
        // The last good copy stays, and its days with it.
        s->status = failure;
    } else {
        s->succeeded = now;
        s->status = subscriptionSummary(*read);
        if (!answer.etag.isEmpty() || !answer.notModified)
            s->etag = answer.etag;
        if (!answer.lastModified.isEmpty() || !answer.notModified)
            s->lastModified = answer.lastModified;
        if (!answer.notModified) {
            m_copies.insert(id, answer.body);
            m_daysYear = 0;
        }
    }
    saveList(id);
    if (!s->failed && !answer.notModified)
        emit daysChanged();
    emit listChanged();
    scheduleNext();
}

void Subscriptions::saveList(const QString &id)
{
    const QString path = m_folder + QLatin1String(programfile::kSubscriptions);
    if (const auto failure = failureOf([&] { writeSubscriptions(path, m_list, m_backups); }))
        if (Subscription *s = find(id)) {
            s->failed = true;
            s->status = *failure;
        }
}

QMap<QDate, SubscribedDay> Subscriptions::daysIn(int year) const
{
    if (year == m_daysYear)
        return m_days;
    QMap<QDate, SubscribedDay> days;
    for (const Subscription &s : m_list) {
        const auto copy = m_copies.constFind(s.id);
        if (copy == m_copies.cend())
            continue;
        SubscriptionDays read;
        // A copy was read when it came: one that no longer reads marks nothing.
        if (failureOf([&] { read = subscriptionDays(*copy, year, s.name); }))
            continue;
        for (auto it = read.days.cbegin(); it != read.days.cend(); ++it) {
            SubscribedDay &day = days[it.key()];
            day.colours << s.colour;
            for (const QString &caption : it->split(QLatin1Char('\n'))) {
                if (!day.text.isEmpty())
                    day.text += QLatin1Char('\n');
                day.text += s.name + QStringLiteral(": ") + caption;
            }
        }
    }
    m_daysYear = year;
    m_days = days;
    return days;
}
