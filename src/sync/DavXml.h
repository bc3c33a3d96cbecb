#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tavrel {

// One property of one resource in a WebDAV multi-status answer.
struct DavProperty {
    int status = 0;         // the HTTP status of its propstat
    QString text;           // the character content directly inside it (a card, an ETag)
    QStringList hrefs;      // every href inside it (principal, home set)
    QStringList innerNames; // "{namespace}name" of every element inside it, at any depth
};

// One <response> of a multi-status answer.
struct DavResource {
    QString href;
    int status = 0; // the response's own status, when it has one (a removed member)
    QHash<QString, DavProperty> properties; // by "{namespace}name"

    // The property when found with a 2xx status, else nullptr.
    const DavProperty* found(const QString& key) const;
};

struct DavMultiStatus {
    QList<DavResource> resources;
    QString syncToken; // the collection's new token of a sync-collection report
};

// Reads a 207 body. False when it is not a well-formed multi-status answer;
// a document type declaration is refused so no entity is ever expanded.
bool readMultiStatus(const QByteArray& body, DavMultiStatus& out);

// "HTTP/1.1 404 Not Found" -> 404; 0 when unreadable.
int davStatusCode(const QString& statusLine);

inline constexpr char davNs[] = "DAV:";
inline constexpr char cardDavNs[] = "urn:ietf:params:xml:ns:carddav";
inline QString davKey(const char* ns, const char* name)
{
    QString key;
    key.reserve(int(qstrlen(ns) + qstrlen(name)) + 2);
    key += QLatin1Char('{');
    key += QLatin1String(ns);
    key += QLatin1Char('}');
    key += QLatin1String(name);
    return key;
}

// What every XML body the client writes begins with, and its content type.
inline QByteArray xmlDeclaration()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
}
inline constexpr char xmlContentType[] = "application/xml; charset=utf-8";

// Escapes text for an XML body the client writes.
QString xmlEscaped(const QString& text);

} // namespace tavrel
