#include "sync/DavHref.h"

#include "sync/HttpHeaders.h"

namespace tavrel {

namespace {

// QUrl decodes escaped unreserved characters, writes every other escape in
// upper case and, resolving, takes out dot segments, escaped ones too; so
// equal paths are equal strings and a member's path has no ".." left.
QString normalisedPath(const QUrl& url)
{
    QString path = url.path(QUrl::FullyEncoded);
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path;
}

QString folderPath(const QUrl& url)
{
    QString path = normalisedPath(url);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// The href resolved against the collection (taken as a folder), when it is
// a plain reference: no query, fragment or user information of its own.
QUrl resolvedIn(const QUrl& collection, const QString& href)
{
    const QUrl given(href, QUrl::TolerantMode);
    if (href.isEmpty() || !given.isValid() || given.hasQuery() || given.hasFragment() ||
        !given.userInfo().isEmpty())
        return {};
    QUrl base = collection.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
    base.setPath(folderPath(collection), QUrl::TolerantMode);
    const QUrl at = base.resolved(given);
    return sameOrigin(at, base) ? at : QUrl();
}

} // namespace

QUrl bookMember(const QUrl& book, const QString& href)
{
    const QUrl at = resolvedIn(book, href);
    if (!at.isValid())
        return {};
    const QString folder = folderPath(book);
    const QString path = normalisedPath(at);
    if (!path.startsWith(folder))
        return {};
    const QString name = path.mid(folder.size());
    // An escaped slash, backslash or NUL could make a server look elsewhere.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1String("%2F")) ||
        name.contains(QLatin1String("%5C")) || name.contains(QLatin1String("%00")))
        return {};
    QUrl member = book.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
    member.setPath(path, QUrl::TolerantMode);
    return member;
}

bool namesCollection(const QUrl& collection, const QString& href)
{
    const QUrl at = resolvedIn(collection, href);
    return at.isValid() && folderPath(at) == folderPath(collection);
}

} // namespace tavrel
