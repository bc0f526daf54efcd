// SPDX-FileCopyrightText: 2026 Дневной рельс
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sync/CalDavXml.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <functional>

namespace {

QString keyOf(const QXmlStreamReader &xml)
{
    return davKey(xml.namespaceUri().toString(), xml.name().toString());
}

// Reads one property element whole; the reader stands on its start.
DavProperty readProperty(QXmlStreamReader &xml)
{
    DavProperty property;
    const QString hrefKey = davKey(kDavNs, QStringLiteral("href"));
    int depth = 1;
    bool inHref = false;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            ++depth;
            const QString key = keyOf(xml);
            if (key == hrefKey) {
                inHref = true;
                property.hrefs << QString();
            } else if (xml.name() == QLatin1String("comp")) {
                property.children << QStringLiteral("comp=") +
                                         xml.attributes().value(QLatin1String("name")).toString();
            }
            property.children << key;
            break;
        }
        case QXmlStreamReader::EndElement:
            --depth;
            inHref = false;
            break;
        case QXmlStreamReader::Characters:
            if (inHref)
                property.hrefs.last() += xml.text().trimmed();
            else if (depth == 1)
                property.text += xml.text();
            break;
        default: break;
        }
    }
    property.text = property.text.trimmed();
    return property;
}

} // namespace

QString davKey(const QString &ns, const QString &name)
{
    return ns + QLatin1Char('|') + name;
}

const DavProperty *DavResponse::found(const QString &key) const
{
    const auto it = properties.constFind(key);
    return it != properties.constEnd() && it->status / 100 == 2 ? &*it : nullptr;
}

int davStatusCode(const QString &line)
{
    const QStringList parts = line.simplified().split(QLatin1Char(' '));
    return parts.size() >= 2 ? parts.at(1).toInt() : 0;
}

DavMultiStatus parseMultiStatus(const QByteArray &body)
{
    DavMultiStatus result;
    QXmlStreamReader xml(body);
    // Where the reader is: multistatus > response > propstat > prop > property.
    QStringList path;
    QStringList pending;
    int propstatStatus = -1; // a status may come before the properties or after them
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QString name = xml.namespaceUri() == kDavNs ? xml.name().toString() : QString();
            if (path.isEmpty()) {
                if (name != QLatin1String("multistatus"))
                    return result;
                result.valid = true;
            } else if (path.size() == 1 && name == QLatin1String("response")) {
                result.responses.append(DavResponse());
            } else if (path.size() == 1 && name == QLatin1String("sync-token")) {
                result.syncToken = xml.readElementText().trimmed();
                continue;
            } else if (path.size() == 2 && path.last() == QLatin1String("response")) {
                if (name == QLatin1String("href")) {
                    result.responses.last().href = xml.readElementText().trimmed();
                    continue;
                }
                if (name == QLatin1String("status")) {
                    result.responses.last().status = davStatusCode(xml.readElementText());
                    continue;
                }
                if (name == QLatin1String("propstat")) {
                    pending.clear();
                    propstatStatus = -1;
                }
            } else if (path.size() == 3 && path.last() == QLatin1String("propstat") &&
                       name == QLatin1String("status")) {
                propstatStatus = davStatusCode(xml.readElementText());
                for (const QString &key : pending)
                    result.responses.last().properties[key].status = propstatStatus;
                continue;
            } else if (path.size() == 4 && path.last() == QLatin1String("prop")) {
                const QString key = keyOf(xml);
                DavProperty property = readProperty(xml);
                if (propstatStatus >= 0)
                    property.status = propstatStatus;
                result.responses.last().properties.insert(key, property);
                pending << key;
                continue;
            }
            path << (name.isEmpty() ? QStringLiteral("?") : name);
        } else if (token == QXmlStreamReader::EndElement) {
            if (!path.isEmpty())
                path.removeLast();
        }
    }
    if (xml.hasError())
        result.valid = false;
    return result;
}

namespace {

void writeProperty(QXmlStreamWriter &xml, const QString &key)
{
    const int bar = key.indexOf(QLatin1Char('|'));
    xml.writeEmptyElement(key.left(bar), key.mid(bar + 1));
}

QByteArray document(const QString &ns, const QString &root,
                    const std::function<void(QXmlStreamWriter &)> &inside)
{
    QByteArray body;
    QXmlStreamWriter xml(&body);
    xml.writeStartDocument();
    xml.writeNamespace(kDavNs, QStringLiteral("d"));
    xml.writeNamespace(kCalDavNs, QStringLiteral("c"));
    xml.writeStartElement(ns, root);
    inside(xml);
    xml.writeEndElement();
    xml.writeEndDocument();
    return body;
}

} // namespace

QByteArray propfindBody(const QStringList &keys)
{
    return document(kDavNs, QStringLiteral("propfind"), [&](QXmlStreamWriter &xml) {
        xml.writeStartElement(kDavNs, QStringLiteral("prop"));
        for (const QString &key : keys)
            writeProperty(xml, key);
        xml.writeEndElement();
    });
}

QByteArray syncCollectionBody(const QString &token)
{
    return document(kDavNs, QStringLiteral("sync-collection"), [&](QXmlStreamWriter &xml) {
        xml.writeTextElement(kDavNs, QStringLiteral("sync-token"), token);
        xml.writeTextElement(kDavNs, QStringLiteral("sync-level"), QStringLiteral("1"));
        xml.writeStartElement(kDavNs, QStringLiteral("prop"));
        writeProperty(xml, davKey(kDavNs, QStringLiteral("getetag")));
        xml.writeEndElement();
    });
}

QByteArray calendarQueryBody()
{
    return document(kCalDavNs, QStringLiteral("calendar-query"), [&](QXmlStreamWriter &xml) {
        xml.writeStartElement(kDavNs, QStringLiteral("prop"));
        writeProperty(xml, davKey(kDavNs, QStringLiteral("getetag")));
        writeProperty(xml, davKey(kCalDavNs, QStringLiteral("calendar-data")));
        xml.writeEndElement();
        xml.writeStartElement(kCalDavNs, QStringLiteral("filter"));
        xml.writeEmptyElement(kCalDavNs, QStringLiteral("comp-filter"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("VCALENDAR"));
        xml.writeEndElement();
    });
}

QByteArray multigetBody(const QStringList &hrefs)
{
    return document(kCalDavNs, QStringLiteral("calendar-multiget"), [&](QXmlStreamWriter &xml) {
        xml.writeStartElement(kDavNs, QStringLiteral("prop"));
        writeProperty(xml, davKey(kDavNs, QStringLiteral("getetag")));
        writeProperty(xml, davKey(kCalDavNs, QStringLiteral("calendar-data")));
        xml.writeEndElement();
        for (const QString &href : hrefs)
            xml.writeTextElement(kDavNs, QStringLiteral("href"), href);
    });
}
