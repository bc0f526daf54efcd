// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
// The discovery half of CalDavClient: from the address the user gave to the
// calendars of the user's home set.
#include "sync/CalDavClient.h"

#include "sync/CalDavXml.h"
#include "sync/NetworkFailure.h"

namespace {

const QString kPrincipal = davKey(kDavNs, QStringLiteral("current-user-principal"));
const QString kHomeSet = davKey(kCalDavNs, QStringLiteral("calendar-home-set"));
const QString kResourceType = davKey(kDavNs, QStringLiteral("resourcetype"));
const QString kDisplayName = davKey(kDavNs, QStringLiteral("displayname"));
const QString kComponents = davKey(kCalDavNs, QStringLiteral("supported-calendar-component-set"));
const QString kReports = davKey(kDavNs, QStringLiteral("supported-report-set"));

CalDavRequest propfind(const QUrl &url, const QStringList &keys, int depth)
{
    return {
        "PROPFIND",
        url,
        propfindBody(keys),
        {{"Depth", QByteArray::number(depth)}, {"Content-Type", "application/xml; charset=utf-8"}},
        true};
}

// The first href of the property in any response of the answer.
QUrl hrefIn(const CalDavResponse &response, const QString &key)
{
    const DavMultiStatus status = parseMultiStatus(response.body);
    for (const DavResponse &r : status.responses) {
        if (const DavProperty *p = r.found(key); p && !p->hrefs.isEmpty())
            return response.url.resolved(QUrl(p->hrefs.first()));
    }
    return {};
}

} // namespace

void CalDavClient::discover()
{
    QList<QUrl> candidates{m_account.url.resolved(QUrl(QStringLiteral("/.well-known/caldav")))};
    if (m_account.url.path().size() > 1)
        candidates.prepend(m_account.url);
    findPrincipal(candidates);
}

void CalDavClient::failDiscovery(const CalDavResponse &response, const QString &message)
{
    emit discoveryFailed(message.isEmpty() ? response.failure : message,
                         response.refusedFingerprint);
}

void CalDavClient::findPrincipal(QList<QUrl> candidates)
{
    const QUrl url = candidates.takeFirst();
    send(propfind(url, {kPrincipal, kHomeSet, kResourceType}, 0),
         [this, candidates](const CalDavResponse &response) {
             // A wrong password, an untrusted certificate or a dead server
             // would answer the same at any address.
             const bool final = response.status == 401 || response.status == 0;
             QUrl principal = response.ok() ? hrefIn(response, kPrincipal) : QUrl();
             if (response.ok() && principal.isEmpty() && !hrefIn(response, kHomeSet).isEmpty())
                 principal = response.url;
             if (!principal.isEmpty())
                 return findHome(principal);
             if (final || candidates.isEmpty())
                 return failDiscovery(
                     response, response.ok() ? QStringLiteral("Сервер \"%1\" не сообщил, где "
                                                              "календари пользователя.")
                                                   .arg(shownAddress(response.url))
                                             : QString());
             findPrincipal(candidates);
         });
}

void CalDavClient::findHome(const QUrl &principal)
{
    send(propfind(principal, {kHomeSet}, 0), [this](const CalDavResponse &response) {
        const QUrl home = response.ok() ? hrefIn(response, kHomeSet) : QUrl();
        if (home.isEmpty())
            return failDiscovery(response, response.ok()
                                               ? QStringLiteral("Сервер \"%1\" не назвал папку "
                                                                "календарей пользователя.")
                                                     .arg(shownAddress(response.url))
                                               : QString());
        listCalendars(home);
    });
}

void CalDavClient::listCalendars(const QUrl &home)
{
    send(propfind(home, {kResourceType, kDisplayName, kComponents, kReports}, 1),
         [this](const CalDavResponse &response) {
             if (!response.ok())
                 return failDiscovery(response);
             const DavMultiStatus status = parseMultiStatus(response.body);
             if (!status.valid)
                 return failDiscovery(response,
                                      QStringLiteral("Сервер \"%1\" ответил не списком календарей.")
                                          .arg(shownAddress(response.url)));
             QList<CalDavCalendar> calendars;
             for (const DavResponse &r : status.responses) {
                 const DavProperty *type = r.found(kResourceType);
                 if (!type ||
                     !type->children.contains(davKey(kCalDavNs, QStringLiteral("calendar"))))
                     continue;
                 CalDavCalendar calendar;
                 calendar.url = response.url.resolved(QUrl(r.href));
                 if (const DavProperty *name = r.found(kDisplayName))
                     calendar.displayName = name->text;
                 if (calendar.displayName.isEmpty())
                     calendar.displayName = calendar.url.path().section(QLatin1Char('/'), -2, -2);
                 if (const DavProperty *components = r.found(kComponents)) {
                     for (const QString &child : components->children) {
                         if (child.startsWith(QLatin1String("comp=")))
                             calendar.components << child.mid(5);
                     }
                 }
                 if (const DavProperty *reports = r.found(kReports))
                     calendar.syncCollection = reports->children.contains(
                         davKey(kDavNs, QStringLiteral("sync-collection")));
                 calendars << calendar;
             }
             emit calendarsFound(calendars);
         });
}
