#include "sync/DavHref.h"

#include "sync/HttpHeaders.h"

#include <algorithm>

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

// Characters that an address never spells another way and that never make
// a path segment special.
bool isUnreserved(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' ||
           u == '.' || u == '_' || u == '~';
}

bool isPlainName(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    return std::all_of(name.begin(), name.end(), isUnreserved);
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

BookMembers::BookMembers(const QUrl& book) : book_(book)
{
    // The short way holds when the long one takes a plain member of the book's
    // path as it is and the path itself as the book: checked once, here.
    const QString folder = folderPath(book);
    const QString probe = QStringLiteral("a");
    const QUrl member = bookMember(book, folder + probe);
    const QString key = member.isValid() ? member.toString(QUrl::FullyEncoded) : QString();
    QString bare = folder;
    bare.chop(1);
    if (key.endsWith(folder + probe) && namesCollection(book, folder) &&
        (bare.isEmpty() || namesCollection(book, bare))) {
        folder_ = folder;
        prefix_ = key.chopped(probe.size());
    }
}

QStringView BookMembers::plainName(const QString& href) const
{
    if (folder_.isEmpty() || !href.startsWith(folder_))
        return {};
    const QStringView name = QStringView(href).mid(folder_.size());
    return isPlainName(name) ? name : QStringView();
}

QString BookMembers::key(const QString& href) const
{
    if (const QStringView name = plainName(href); !name.isEmpty()) {
        QString key;
        key.reserve(prefix_.size() + name.size());
        key += prefix_;
        key += name;
        return key;
    }
    const QUrl member = bookMember(book_, href);
    return member.isValid() ? member.toString(QUrl::FullyEncoded) : QString();
}

bool BookMembers::namesBook(const QString& href) const
{
    // The book's path, with or without its final '/'.
    if (!folder_.isEmpty() && href.size() >= folder_.size() - 1 && href.size() > 1 &&
        folder_.startsWith(href))
        return true;
    if (!plainName(href).isEmpty())
        return false;
    return namesCollection(book_, href);
}

} // namespace tavrel
