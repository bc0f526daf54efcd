// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// WebDAV multistatus answers read with QXmlStreamReader, and the bodies of
// the requests a CalDAV client sends.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Property names as "namespace|name".
inline const QString kDavNs = QStringLiteral("DAV:");
inline const QString kCalDavNs = QStringLiteral("urn:ietf:params:xml:ns:caldav");
QString davKey(const QString &ns, const QString &name);

struct DavProperty {
    int status = 200;
    QString text;         // the text inside, for getetag, displayname, calendar-data
    QStringList hrefs;    // DAV:href elements inside, for principals and home sets
    QStringList children; // keys of the elements inside; comp elements as "comp=VEVENT"
};

struct DavResponse {
    QString href;
    int status = 0; // the response's own status (a removed member: 404), else 0
    QHash<QString, DavProperty> properties;
    // The property when the server gave it with a 2xx status.
    const DavProperty *found(const QString &key) const;
};

struct DavMultiStatus {
    bool valid = false; // a multistatus document at all
    QList<DavResponse> responses;
    QString syncToken;
};

DavMultiStatus parseMultiStatus(const QByteArray &xml);
// "HTTP/1.1 404 Not Found" -> 404; 0 when unreadable.
int davStatusCode(const QString &line);

// PROPFIND asking for the named properties (keys as above).
QByteArray propfindBody(const QStringList &keys);
// REPORT sync-collection since token (empty: the whole collection) for etags.
QByteArray syncCollectionBody(const QString &token);
// REPORT calendar-query for every item of the calendar with its text.
QByteArray calendarQueryBody();
// REPORT calendar-multiget of these hrefs (percent-encoded paths).
QByteArray multigetBody(const QStringList &hrefs);
